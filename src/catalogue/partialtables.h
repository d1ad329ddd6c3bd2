#pragma once

// The base's list of the tables that hold only part of their standard: one row a table, with
// the table's name and the text the program shows about it. The build writes it from the
// "# partial:" lines of the table sources; a base without it marks no table.
namespace PartialTables {

inline constexpr const char *Table = "неполные таблицы";
inline constexpr const char *NameColumn = "таблица";
inline constexpr const char *TextColumn = "что есть";

} // namespace PartialTables
