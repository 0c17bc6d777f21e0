// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/font_setup.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>

namespace korvane {
namespace {

// Debian's fonts.conf without its forty rule files: the same folders and caches,
// the rules a player or the machine's owner added, the faces the generic names
// stand for, slight hinting, antialiasing, the default LCD filter and no bitmap
// faces. A family that is missing falls back to the sans-serif faces.
constexpr char kFontConfig[] = R"(<?xml version="1.0"?>
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <dir>~/.fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <cachedir>~/.fontconfig</cachedir>
  <match target="pattern">
    <edit name="family" mode="append_last"><string>sans-serif</string></edit>
  </match>
  <alias><family>sans-serif</family>
    <prefer><family>DejaVu Sans</family><family>Liberation Sans</family></prefer></alias>
  <alias><family>serif</family>
    <prefer><family>DejaVu Serif</family><family>Liberation Serif</family></prefer></alias>
  <alias><family>monospace</family>
    <prefer><family>DejaVu Sans Mono</family><family>Liberation Mono</family></prefer></alias>
  <match target="pattern">
    <edit name="hintstyle" mode="append"><const>hintslight</const></edit>
    <edit name="antialias" mode="append"><bool>true</bool></edit>
    <edit name="lcdfilter" mode="append"><const>lcddefault</const></edit>
  </match>
  <selectfont><rejectfont><pattern>
    <patelt name="scalable"><bool>false</bool></patelt>
  </pattern></rejectfont></selectfont>
  <include ignore_missing="yes" prefix="xdg">fontconfig/conf.d</include>
  <include ignore_missing="yes" prefix="xdg">fontconfig/fonts.conf</include>
  <include ignore_missing="yes">/etc/fonts/local.conf</include>
</fontconfig>
)";

}  // namespace

void setUpFonts() {
    if (std::getenv("FONTCONFIG_FILE") || std::getenv("FONTCONFIG_PATH")) return;
    FcConfig* config = FcConfigCreate();
    if (!config) return;
    const auto* text = reinterpret_cast<const FcChar8*>(kFontConfig);
    // Made current, the configuration holds a reference of its own; otherwise
    // fontconfig reads the system's as usual.
    if (FcConfigParseAndLoadFromMemory(config, text, FcTrue) && FcConfigBuildFonts(config))
        FcConfigSetCurrent(config);
    FcConfigDestroy(config);
}

}  // namespace korvane
