// Writes a starting corpus for the container fuzzer into the folder named by
// its argument: small containers made by the container builder, holding the
// entries the fuzzer paints, stored and compressed, in either hash order.
#include <cstdio>
#include <string>
#include <vector>

#include "artcontainerbuilder.h"
#include "sampleart.h"
#include "tiledatabuilder.h"

int main(int argc, char** argv) {
    using namespace tilewright;
    using namespace tilewright::sample;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder/\n", argv[0]);
        return 2;
    }
    ItemGrid example(5, 3);
    example.at(1, 0) = 0x7C00;
    example.at(4, 0) = 0x001F;
    for (int x = 0; x < 5; ++x) example.at(x, 2) = static_cast<std::uint16_t>(0x1111 * x);
    ArtFileBuilder art;
    art.SetLand(0, *SampleLandImage(1));
    art.SetItem(0, example);
    art.SetItem(1, *SampleItemImage(500));
    art.SetItem(2, *SampleItemImage(1500));

    struct Form { bool compressed; std::uint32_t header; bool swapped; std::uint32_t perBlock; };
    const Form forms[] = {{false, 0, false, 1000}, {true, 0, false, 2}, {true, 5, true, 1}, {false, 3, false, 3}};
    for (std::size_t i = 0; i < std::size(forms); ++i) {
        const Form& f = forms[i];
        ArtContainerBuilder container(f.perBlock);
        if (f.swapped) container.SwapHashHalves();
        for (std::int32_t e = 0; e < art.entryCount(); ++e)
            if (const auto image = art.Image(e)) container.Add(e, *image, {f.compressed, f.header});
        container.AddUnused();
        if (Status s = WriteWholeFile(argv[1] + std::string("seed-") + std::to_string(i), container.Bytes()); !s) {
            std::fprintf(stderr, "%s\n", s.error().message.c_str());
            return 1;
        }
    }
    return 0;
}
