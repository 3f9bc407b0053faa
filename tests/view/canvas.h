#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>

// A client area in memory, 904 x 466 by default as on Windows 10: a top-down 32-bit DIB section selected into
// a memory DC, so that a test reads back every pixel the painter drew.
class Canvas {
  public:
    static constexpr int clientWidth = 904;
    static constexpr int clientHeight = 466;

    explicit Canvas(int width = clientWidth, int height = clientHeight);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    RECT client() const { return RECT{0, 0, width_, height_}; }

    // What a paint of the main window does: erase to the window colour, load the pictures, paint, release.
    void paint();
    void paintWithLoadedPictures(); // the same, the pictures being loaded already
    void erase();

    COLORREF pixel(int x, int y) const;
    int count(const RECT& region, bool (*matches)(COLORREF)) const;
    bool any(const RECT& region, bool (*matches)(COLORREF)) const { return count(region, matches) > 0; }
    // The smallest rectangle holding every matching pixel of the region; empty when there is none.
    RECT bounds(const RECT& region, bool (*matches)(COLORREF)) const;

    // Writes the picture as a BMP file into the folder named by VIEW_TEST_PICTURES, when that is set, so that
    // a person can look at every scene the tests paint.
    void save(const std::string& name) const;

  private:
    // Visits the pixels of the region that lie on the canvas, row by row.
    template <typename Visit> void forEachPixel(const RECT& region, Visit visit) const {
        for (int y = std::max(0, static_cast<int>(region.top));
             y < std::min(height_, static_cast<int>(region.bottom)); ++y) {
            for (int x = std::max(0, static_cast<int>(region.left));
                 x < std::min(width_, static_cast<int>(region.right)); ++x) {
                visit(x, y);
            }
        }
    }

    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

// A pixel of a 32-bit DIB, B, G, R bytes read as 0x00RRGGBB, as a COLORREF (0x00BBGGRR).
COLORREF fromDibPixel(std::uint32_t pixel);

// Pixel classes. Text is recognised by its dark pixels, whatever the face the system chose.
bool isInk(COLORREF colour); // dark enough to be text or a black line
bool isWhite(COLORREF colour);
bool isRed(COLORREF colour);  // the miss-rate curve
bool isBlue(COLORREF colour); // the set outlines
bool isGridGrey(COLORREF colour);
