// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/image_bank.h"

#include <wincodec.h>

#include <algorithm>
#include <cstring>

#include "winwindow/win_look.h"

namespace korvane {
namespace {

// The imaging component's factory and its premultiplied 32-bit format, as
// Windows names them (Windows 7 and later, and wine).
constexpr GUID kFactory = {
    0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr GUID kPremultipliedBgra = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x10}};

template <class T>
struct Held {
    T* p = nullptr;
    ~Held() {
        if (p) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

HBITMAP dibOf(const Pixels& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;  // the top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) std::memcpy(bits, pixels.bgra.data(), pixels.bgra.size());
    return bitmap;
}

// A factory of the imaging component for the calling thread; nullptr without one.
IWICImagingFactory* newFactory() {
    IWICImagingFactory* factory = nullptr;
    CoCreateInstance(kFactory, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                     reinterpret_cast<void**>(&factory));
    return factory;
}

bool decode(IWICImagingFactory* factory, const std::wstring& resource, Pixels& into) {
    const HRSRC found = FindResourceW(nullptr, resource.c_str(), MAKEINTRESOURCEW(10));  // RCDATA
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    auto* bytes = static_cast<BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!factory || !bytes) return false;
    Held<IWICStream> stream;
    Held<IWICBitmapDecoder> decoder;
    Held<IWICBitmapFrameDecode> frame;
    Held<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    const bool read =
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(bytes, SizeofResource(nullptr, found))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream.p, nullptr,
                                                   WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame.p, kPremultipliedBgra, WICBitmapDitherTypeNone,
                                        nullptr, 0.0, WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&width, &height));
    if (!read) return false;
    into = {static_cast<int>(width), static_cast<int>(height),
            std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)};
    return SUCCEEDED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(into.bgra.size()),
                                           into.bgra.data()));
}

// The program's first picture, by its resource name.
std::wstring firstPicture() {
    std::wstring first;
    EnumResourceNamesW(
        nullptr, MAKEINTRESOURCEW(10),
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR into) -> BOOL {
            if (IS_INTRESOURCE(name)) return TRUE;
            *reinterpret_cast<std::wstring*>(into) = name;
            return FALSE;
        },
        reinterpret_cast<LONG_PTR>(&first));
    return first;
}

// Decodes one picture and forgets it: what the imaging component starts for the
// first picture it decodes, it keeps for the process.
void warmUp() {
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return;
    {
        const Held<IWICImagingFactory> factory{newFactory()};
        Pixels pixels;
        decode(factory.p, firstPicture(), pixels);
    }  // the factory let go before the thread leaves the component's world
    CoUninitialize();
}

}  // namespace

// The first picture decoded starts the imaging component's PNG decoder, which
// takes wine some 15 ms: a thread of the bank's own starts it while the table's
// windows are made, so the first frame does not wait for it.
ImageBank::ImageBank() : warming_(warmUp), factory_(newFactory()) {}

ImageBank::~ImageBank() {
    warming_.join();
    for (const auto& [key, bitmap] : bitmaps_)
        DeleteObject(bitmap);
    if (factory_) factory_->Release();
}

std::wstring ImageBank::resourceName(const std::string& image, bool twice) {
    std::wstring name(image.begin(), image.end());
    std::transform(name.begin(), name.end(), name.begin(), towupper);
    return twice ? name + L"_2X" : name;
}

HBITMAP ImageBank::bitmap(Picture picture, UINT dpi, Rgb back) {
    if (!picture) return nullptr;
    const auto key = std::make_tuple(picture, dpi, colorOf(back));
    if (const auto made = bitmaps_.find(key); made != bitmaps_.end()) return made->second;
    const bool twice = dpi != kDesignDpi;
    const Pixels* art = decoded(picture->name, twice);
    if (!art) {
        OutputDebugStringW((L"Korvane: no image " + resourceName(picture->name, twice)).c_str());
        return bitmaps_[key] = nullptr;
    }
    // Shown from its top-left corner at its own size, as on every other screen.
    const int width = twice ? atDpi((art->width + 1) / 2, dpi) : art->width;
    const int height = twice ? atDpi((art->height + 1) / 2, dpi) : art->height;
    Pixels shown = resampled(*art, std::max(width, 1), std::max(height, 1));
    overColour(shown, back);
    return bitmaps_[key] = dibOf(shown);
}

const Pixels* ImageBank::decoded(const std::string& image, bool twice) {
    const std::wstring name = resourceName(image, twice);
    if (const auto found = decoded_.find(name); found != decoded_.end())
        return found->second.width ? &found->second : nullptr;
    Pixels& pixels = decoded_[name];
    if (!decode(factory_, name, pixels)) pixels = {};
    return pixels.width ? &pixels : nullptr;
}

}  // namespace korvane
