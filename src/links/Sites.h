#pragma once

// The maker's three web hosts. Every address the program opens is built on one of them.
namespace Sites
{
constexpr const char* mainSite = "www.harrowfen.com";        // home page, software suite, refer-a-friend
constexpr const char* helpSite = "help.harrowfen.com";       // offers and donations
constexpr const char* programSite = "quorvex.harrowfen.com"; // this program's help and download
} // namespace Sites
