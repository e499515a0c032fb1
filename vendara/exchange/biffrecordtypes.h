// The record types that both readers of an Excel 97-2003 workbook stream look for. A record
// is its type and its data length (two little-endian 16-bit numbers), then the data.
#pragma once

// Qt
#include <QtGlobal>

namespace vendara::biff {

inline constexpr quint16 kBof = 0x0809;        // begins the workbook globals and each sheet
inline constexpr quint16 kEof = 0x000A;        // ends them
inline constexpr quint16 kBoundSheet = 0x0085; // a sheet's name and where its BOF record is
inline constexpr quint16 kContinue = 0x003C;   // more data of the record before it

} // namespace vendara::biff
