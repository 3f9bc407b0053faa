#include "view/gdi_surface.h"

#include "view/diagram_bitmaps.h"
#include "view/gdi_objects.h"

#include <list>
#include <string>

namespace {

// A scene colour is already in COLORREF's byte order.
COLORREF colorRef(SceneColor color) {
    return static_cast<COLORREF>(color);
}

UINT drawTextFlags(const TextFormat& format) {
    UINT flags = format.align == TextAlign::Centre ? DT_CENTER : DT_LEFT;
    flags |= format.verticallyCentred ? DT_VCENTER : 0;
    flags |= format.singleLine ? DT_SINGLELINE : 0;
    flags |= format.clipped ? 0 : DT_NOCLIP;
    flags |= format.expandsTabs ? DT_EXPANDTABS : 0;
    return flags;
}

HPEN createPen(const ScenePen& pen) {
    return CreatePen(pen.style == PenStyle::Dotted ? PS_DOT : PS_SOLID, pen.width, colorRef(pen.color));
}

// A face the system does not have is replaced by the font mapper's own choice.
HFONT createFont(const SceneFont& font) {
    std::wstring face(font.face.begin(), font.face.end()); // face names are ASCII
    return CreateFontW(font.height, font.width, 0, 0, font.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH,
                       face.c_str());
}

// A GDI object made for one replay for the scene value it stands for.
template <typename Key, typename Handle> struct MadeObject {
    MadeObject(const Key& madeFor, Handle handle) : key(madeFor), object(handle) {}
    Key key;
    OwnedGdiObject<Handle> object;
};

// What one replay makes and selects. The objects it made outlive the selections: the DC's own objects are
// back in it before any made one is deleted.
class GdiReplay {
  public:
    explicit GdiReplay(HDC dc)
        : dc_(dc), keptPen_(dc, GetCurrentObject(dc, OBJ_PEN)),
          keptBrush_(dc, GetCurrentObject(dc, OBJ_BRUSH)), keptFont_(dc, GetCurrentObject(dc, OBJ_FONT)),
          keptTextColor_(GetTextColor(dc)), keptBackground_(GetBkColor(dc)),
          keptBackgroundMode_(GetBkMode(dc)) {}
    ~GdiReplay() {
        SetTextColor(dc_, keptTextColor_);
        SetBkColor(dc_, keptBackground_);
        SetBkMode(dc_, keptBackgroundMode_);
    }
    GdiReplay(const GdiReplay&) = delete;
    GdiReplay& operator=(const GdiReplay&) = delete;

    void operator()(const RectangleCmd& command) {
        usePen(command.pen);
        useFill(dc_, command.fill);
        const SceneRect& r = command.rect;
        Rectangle(dc_, r.left, r.top, r.right, r.bottom);
    }

    // Each segment on its own, as one line after another.
    void operator()(const PolylineCmd& command) {
        usePen(command.pen);
        for (std::size_t i = 1; i < command.points.size(); ++i) {
            MoveToEx(dc_, command.points[i - 1].x, command.points[i - 1].y, nullptr);
            LineTo(dc_, command.points[i].x, command.points[i].y);
        }
    }

    void operator()(const TextCmd& command) {
        useFont(command.font);
        useTextColours(command);
        wideText_.resize(command.text.size());
        const int length =
            MultiByteToWideChar(CP_UTF8, 0, command.text.data(), static_cast<int>(command.text.size()),
                                wideText_.data(), static_cast<int>(wideText_.size()));
        RECT bounds{command.rect.left, command.rect.top, command.rect.right, command.rect.bottom};
        DrawTextW(dc_, wideText_.data(), length, &bounds, drawTextFlags(command.format));
    }

    void operator()(const PictureCmd& command) {
        blitBitmap(dc_, diagramBitmap(command.picture), command.corner.x, command.corner.y);
    }

    // Every cell is the same picture, since a dotted outline starts its pattern afresh with each rectangle:
    // one cell is drawn as the first would be, with the DC's background, and the area is filled with it. That
    // paints the pixels of thousands of outlined cells at a fraction of their cost.
    void operator()(const GridCmd& command) {
        const int size = command.cellSize;
        if (size <= 0) {
            return;
        }
        const MemoryDc cellDc(dc_);
        const OwnedGdiObject<HBITMAP> cell(CreateCompatibleBitmap(dc_, size, size));
        const OwnedGdiObject<HPEN> pen(createPen(command.pen));
        {
            const ScopedSelection cellBitmap(cellDc.get(), cell.get());
            const ScopedSelection cellPen(cellDc.get(), pen.get());
            const ScopedSelection cellBrush(cellDc.get(), GetStockObject(NULL_BRUSH));
            useFill(cellDc.get(), command.fill);
            SetBkColor(cellDc.get(), GetBkColor(dc_));
            SetBkMode(cellDc.get(), GetBkMode(dc_));
            Rectangle(cellDc.get(), 0, 0, size, size);
        }
        const OwnedGdiObject<HBRUSH> cells(CreatePatternBrush(cell.get()));
        const SceneRect& area = command.area;
        POINT previousOrigin{};
        SetBrushOrgEx(dc_, area.left, area.top, &previousOrigin); // the pattern's corner on the first cell
        {
            const ScopedSelection fill(dc_, cells.get());
            PatBlt(dc_, area.left, area.top, area.right - area.left, area.bottom - area.top, PATCOPY);
        }
        SetBrushOrgEx(dc_, previousOrigin.x, previousOrigin.y, nullptr);
    }

  private:
    static void useFill(HDC dc, const SceneFill& fill) {
        if (fill.hollow) {
            SelectObject(dc, GetStockObject(NULL_BRUSH));
            return;
        }
        SelectObject(dc, GetStockObject(DC_BRUSH));
        SetDCBrushColor(dc, colorRef(fill.color));
    }

    void usePen(const ScenePen& pen) {
        if (currentPen_ != nullptr && currentPen_->key == pen) {
            return;
        }
        currentPen_ = nullptr;
        for (MadeObject<ScenePen, HPEN>& made : pens_) {
            if (made.key == pen) {
                currentPen_ = &made;
            }
        }
        if (currentPen_ == nullptr) {
            currentPen_ = &pens_.emplace_back(pen, createPen(pen));
        }
        SelectObject(dc_, currentPen_->object.get());
    }

    void useFont(const SceneFont& font) {
        if (!fonts_.empty() && fonts_.back().key == font) {
            return;
        }
        SelectObject(dc_, fonts_.emplace_back(font, createFont(font)).object.get());
    }

    void useTextColours(const TextCmd& command) {
        if (GetTextColor(dc_) != colorRef(command.color)) {
            SetTextColor(dc_, colorRef(command.color));
        }
        if (GetBkColor(dc_) != colorRef(command.background)) {
            SetBkColor(dc_, colorRef(command.background));
        }
        if (GetBkMode(dc_) != OPAQUE) {
            SetBkMode(dc_, OPAQUE);
        }
    }

    HDC dc_;
    std::list<MadeObject<ScenePen, HPEN>> pens_; // declared before the selections, so deleted after them
    std::list<MadeObject<SceneFont, HFONT>> fonts_;
    MadeObject<ScenePen, HPEN>* currentPen_ = nullptr;
    ScopedSelection keptPen_;
    ScopedSelection keptBrush_;
    ScopedSelection keptFont_;
    COLORREF keptTextColor_;
    COLORREF keptBackground_;
    int keptBackgroundMode_;
    std::wstring wideText_;
};

} // namespace

void replayScene(HDC dc, const Scene& scene) {
    GdiReplay replay(dc);
    for (const SceneCommand& command : scene) {
        std::visit(replay, command);
    }
}
