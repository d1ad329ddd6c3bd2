#pragma once

// The maker's addresses, shown by the site link, the About window's texts and its notice (the
// notice has room for an address of exactly 14 characters).
namespace Maker {

inline constexpr char SiteHost[] = "www.morvex.example";
inline constexpr char SiteAddress[] = "http://www.morvex.example/";
inline constexpr char Email[] = "info@m.example";

} // namespace Maker
