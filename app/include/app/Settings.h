#pragma once
// The window settings file: its name, its one section, and every key with its
// default. The window reads and writes the keys in the order listed here.

#include <optional>
#include <string_view>

#include "app/IniFile.h"

namespace pixolyn::settings {

inline constexpr std::string_view kFileName = "PIXOLYN.INI";
inline constexpr std::string_view kSection = "mainwindow";

struct IntegerKey {
  std::string_view Name;
  int Default;
};

inline constexpr IntegerKey kTop{"top", 0};
inline constexpr IntegerKey kLeft{"left", 0};
inline constexpr IntegerKey kMainWidth{"mainwidth", 723};
inline constexpr IntegerKey kMainHeight{"mainheight", 550};
inline constexpr std::string_view kActDir = "actdir";  // default: empty
inline constexpr IntegerKey kPanel1Width{"panel1.width", 200};
inline constexpr IntegerKey kCheckFolderHeight{"checkfolder.height", 300};
inline constexpr IntegerKey kPanel3Height{"panel3.height", 187};
inline constexpr IntegerKey kPanel2Width{"panel2.width", 150};
// The file name of the picture selected in "actdir"; default: empty.
inline constexpr std::string_view kActFile = "actfile";

// A stored integer: "0x"/"0X" followed by hexadecimal digits, "$" followed by
// hexadecimal digits, or a signed decimal number; nullopt for anything else.
std::optional<int> ParseInteger(std::string_view text);

int ReadInteger(const TIniFile& file, const IntegerKey& key);
// False when the file cannot be written.
bool WriteInteger(const TIniFile& file, const IntegerKey& key, int value);

}  // namespace pixolyn::settings
