#pragma once
// The vendor tag tables of the maker-note directories, one per maker layout.
// Rows carry Tag, Name, Label and, where the maker's numbers have words or
// arrays need expanding, a ValueMap or a Formatter. A Label of "Skip" in any
// letter case marks a tag the maker-note reader passes over.

#include <span>

#include "metadata/TagEntry.h"

namespace pixolyn {

std::span<const TTagEntry> NikonTagTable1();  // behind the eight-byte "Nikon" header
std::span<const TTagEntry> NikonTagTable2();  // headerless layout
std::span<const TTagEntry> OlympusTagTable();
std::span<const TTagEntry> CasioTagTable();
std::span<const TTagEntry> FujiTagTable();
std::span<const TTagEntry> CanonTagTable();
std::span<const TTagEntry> SeikoTagTable();
std::span<const TTagEntry> SanyoTagTable();
std::span<const TTagEntry> MinoltaTagTable();
std::span<const TTagEntry> PentaxTagTable();  // also Ricoh-built Pentax and Pentax-built Ricoh
std::span<const TTagEntry> RicohTagTable();
std::span<const TTagEntry> SamsungTagTable();
std::span<const TTagEntry> AppleTagTable();
std::span<const TTagEntry> SonyTagTable();
std::span<const TTagEntry> PanasonicTagTable();  // also the Leica models Panasonic builds

}  // namespace pixolyn
