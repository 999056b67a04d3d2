#!/bin/bash
# Exports of every layout through LibreOffice Calc and back, as a user would:
# each export, with names a spreadsheet likes to reinterpret, is opened with
# the name column typed Text and saved with commas, semicolons, tabs, as
# UTF-16 and in Windows-1252; then edited in Calc (three weights, a name with
# "ü", rows sorted by name, eleven rows deleted). Prints what each import
# changes. Needs soffice (Debian's libreoffice-calc) and a build of the
# project: tools/calc-roundtrip.sh WORK_FOLDER [BUILD_FOLDER]
set -euo pipefail

work=$(realpath -m "${1:?usage: $0 WORK_FOLDER [BUILD_FOLDER]}")
build=$(realpath "${2:-$(dirname "$0")/../build}")
cli=$build/cli/tilewright-cli
command -v soffice > /dev/null || { echo "soffice is not installed (apt-get install libreoffice-calc)" >&2; exit 2; }
mkdir -p "$work"
cd "$work"
profile=file://$work/profile
calc() { nice soffice -env:UserInstallation="$profile" --headless "$@" > /dev/null 2>&1; }

# The macro that edits: found by kind and id, so that it works on any export.
calc --terminate_after_init
cat > profile/user/basic/Standard/Module1.xba << 'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE script:module PUBLIC "-//OpenOffice.org//DTD OfficeDocument 1.0//EN" "module.dtd">
<script:module xmlns:script="http://openoffice.org/2000/script" script:name="Module1" script:language="StarBasic">
Function Prop(sName As String, vValue) As com.sun.star.beans.PropertyValue
  Dim p As New com.sun.star.beans.PropertyValue
  p.Name = sName
  p.Value = vValue
  Prop = p
End Function

Sub Main
  Dim oDoc As Object, oSheet As Object, oCur As Object, nLast As Long, nCols As Long, r As Long
  oDoc = StarDesktop.loadComponentFromURL(ConvertToURL(Environ("CALC_IN")), "_blank", 0, _
    Array(Prop("FilterName", "Text - txt - csv (StarCalc)"), Prop("FilterOptions", "44,34,76,1,3/2"), Prop("Hidden", True)))
  oSheet = oDoc.Sheets.getByIndex(0)
  oCur = oSheet.createCursor()
  oCur.gotoEndOfUsedArea(False)
  nLast = oCur.RangeAddress.EndRow
  nCols = oCur.RangeAddress.EndColumn
  For r = 1 To nLast
    Dim sKind As String, nId As Long
    sKind = oSheet.getCellByPosition(0, r).String
    nId = oSheet.getCellByPosition(1, r).Value
    If sKind = "item" And (nId = 100 Or nId = 200 Or nId = 300) Then oSheet.getCellByPosition(4, r).Value = 43
    If sKind = "item" And nId = 400 Then oSheet.getCellByPosition(2, r).String = "T" &amp; Chr(252) &amp; "r " &amp; nId
  Next r
  Dim aField(0) As New com.sun.star.table.TableSortField
  aField(0).Field = 2
  aField(0).IsAscending = False
  oSheet.getCellRangeByPosition(0, 1, nCols, nLast).sort(Array(Prop("SortFields", aField())))
  For r = nLast To 1 Step -1
    sKind = oSheet.getCellByPosition(0, r).String
    nId = oSheet.getCellByPosition(1, r).Value
    If (sKind = "land" And nId &gt;= 10 And nId &lt;= 19) Or (sKind = "item" And nId = 500) Then oSheet.Rows.removeByIndex(r, 1)
  Next r
  oDoc.storeToURL(ConvertToURL(Environ("CALC_OUT")), _
    Array(Prop("FilterName", "Text - txt - csv (StarCalc)"), Prop("FilterOptions", Environ("CALC_SAVE"))))
  oDoc.close(True)
End Sub
</script:module>
EOF

names=("0012" "1e5" "TRUE" "3/4" "12:30" "-5" " padded " "=1+1" "a;b,c" 'say "hi"' $'tab\tin' $'\xc2\x85nel'
       $'\xc2\x9fx' $'\xc2\xa0nbsp \xc3\xbf' "1,5" "50%" "'quoted" "ÆØÅ æøå ß")
for layout in classic large 64bit; do
    "$build/tools/make-sample-game" "sample-$layout" --layout $layout > /dev/null
    cp "sample-$layout/TileData.mul" "$layout.mul"
    id=1000
    for name in "${names[@]}"; do "$cli" set "$layout.mul" item $id "name=$name" > /dev/null; id=$((id + 1)); done
    "$cli" export "$layout.mul" -o "$layout.csv"
done

# Field separator, text delimiter, character set (76 UTF-8, 65535 UTF-16, 1 Windows-1252), first line.
declare -A saves=([comma]=44,34,76,1 [semicolon]=59,34,76,1 [tab]=9,34,76,1 [utf16]=44,34,65535,1 [cp1252]=44,34,1,1)
import() {  # LAYOUT TABLE [OPTION...]: what an import says and changes
    cp "$1.mul" changed.mul
    "$cli" import changed.mul "${@:2}" 2>&1 || true
    if cmp -s "$1.mul" changed.mul; then echo "    the file is identical"; fi
    "$cli" diff "$1.mul" changed.mul | sed 's/^/    /' || true
}
for save in comma semicolon tab utf16 cp1252; do
    mkdir -p "$save"
    calc --infilter="CSV:44,34,76,1,3/2" --convert-to "csv:Text - txt - csv (StarCalc):${saves[$save]}" \
        --outdir "$save" classic.csv large.csv 64bit.csv
    options=(); [ $save = cp1252 ] && options=(--encoding windows-1252)
    for layout in classic large 64bit; do
        echo "$save $layout: $(import $layout "$save/$layout.csv" "${options[@]}")"
    done
done
mkdir -p untyped
calc --infilter="CSV:44,34,76,1" --convert-to "csv:Text - txt - csv (StarCalc):44,34,76,1" --outdir untyped classic.csv
echo "comma without the name column typed Text, classic: $(import classic untyped/classic.csv)"
for layout in classic large 64bit; do
    CALC_IN=$work/$layout.csv CALC_OUT=$work/edited-$layout.csv CALC_SAVE=59,34,76,1 calc "macro:///Standard.Module1.Main"
    echo "edited in Calc, $layout: $(import $layout "edited-$layout.csv")"
done
