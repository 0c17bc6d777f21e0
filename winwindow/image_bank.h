// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pixels behind the core's image names: the card art our own tool drew, as
// PNGs among the program's resources, decoded by Windows' own imaging
// component. At 100 % a picture shows the art drawn for that size; at any other
// scale the art drawn at twice the size, brought to the scale.
#include <windows.h>

#include <map>
#include <string>
#include <thread>
#include <tuple>

#include "platform/image.h"
#include "winwindow/resample.h"

struct IWICImagingFactory;

namespace korvane {

class ImageBank {
  public:
    ImageBank();
    ~ImageBank();
    ImageBank(const ImageBank&) = delete;
    ImageBank& operator=(const ImageBank&) = delete;

    // The picture as it shows at `dpi` over `back`; nullptr for an image the
    // program lacks (and a complaint in the debugger's log).
    HBITMAP bitmap(Picture picture, UINT dpi, Rgb back);
    // The resource that holds an image: "FACE0", or "FACE0_2X" for the art at
    // twice the size.
    static std::wstring resourceName(const std::string& image, bool twice);

  private:
    const Pixels* decoded(const std::string& image, bool twice);

    std::thread warming_;  // starts the imaging component's decoder; see the constructor
    IWICImagingFactory* factory_ = nullptr;
    std::map<std::wstring, Pixels> decoded_;
    std::map<std::tuple<Picture, UINT, COLORREF>, HBITMAP> bitmaps_;
};

}  // namespace korvane
