#include "canvas.h"

#include "windows/main_view.h"
#include "windows/shell_state.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row y starts at y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
    erase();
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

void Canvas::erase() {
    GdiFlush();
    std::fill(bits_, bits_ + width_ * height_, 0x00ffffffu);
}

void Canvas::paint() {
    const LoadedDiagramBitmaps pictures(appInstance);
    paintWithLoadedPictures();
}

void Canvas::paintWithLoadedPictures() {
    erase();
    paintMainView(dc_, client());
    GdiFlush();
}

COLORREF Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    return fromDibPixel(bits_[y * width_ + x]);
}

int Canvas::count(const RECT& region, bool (*matches)(COLORREF)) const {
    int found = 0;
    forEachPixel(region, [&](int x, int y) { found += matches(pixel(x, y)) ? 1 : 0; });
    return found;
}

RECT Canvas::bounds(const RECT& region, bool (*matches)(COLORREF)) const {
    RECT found{region.right, region.bottom, region.left, region.top};
    forEachPixel(region, [&](int x, int y) {
        if (matches(pixel(x, y))) {
            found = RECT{std::min<LONG>(found.left, x), std::min<LONG>(found.top, y),
                         std::max<LONG>(found.right, x + 1), std::max<LONG>(found.bottom, y + 1)};
        }
    });
    return found.left < found.right ? found : RECT{};
}

void Canvas::save(const std::string& name) const {
    const char* folder = std::getenv("VIEW_TEST_PICTURES");
    if (folder == nullptr || *folder == '\0') {
        return;
    }
    const int rowBytes = (width_ * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width_;
    header.biHeight = height_; // bottom-up, as every reader expects
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    file.bfType = 0x4d42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes * height_);
    const std::string path = std::string(folder) + "\\" + name + ".bmp";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return;
    }
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::vector<unsigned char> row(static_cast<std::size_t>(rowBytes));
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t p = bits_[y * width_ + x];
            const auto at = static_cast<std::size_t>(x * 3);
            row[at] = static_cast<unsigned char>(p & 0xff);
            row[at + 1] = static_cast<unsigned char>((p >> 8) & 0xff);
            row[at + 2] = static_cast<unsigned char>((p >> 16) & 0xff);
        }
        std::fwrite(row.data(), row.size(), 1, out);
    }
    std::fclose(out);
}

COLORREF fromDibPixel(std::uint32_t pixel) {
    return RGB((pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
}

bool isInk(COLORREF colour) {
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 3 * 110;
}

bool isWhite(COLORREF colour) {
    return colour == RGB(255, 255, 255);
}

bool isRed(COLORREF colour) {
    return GetRValue(colour) > 200 && GetGValue(colour) < 60 && GetBValue(colour) < 60;
}

bool isBlue(COLORREF colour) {
    return GetBValue(colour) > 200 && GetRValue(colour) < 60 && GetGValue(colour) < 60;
}

bool isGridGrey(COLORREF colour) {
    return colour == RGB(200, 200, 200);
}
