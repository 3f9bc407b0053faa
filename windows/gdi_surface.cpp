#include "windows/gdi_surface.h"

#include "windows/diagram_bitmaps.h"
#include "windows/gdi_objects.h"

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

// The DC's own object of one kind, put back at the end of the replay if the replay selected another.
class KeptSelection {
  public:
    explicit KeptSelection(HDC dc) : dc_(dc) {}
    ~KeptSelection() {
        if (kept_ != nullptr) {
            SelectObject(dc_, kept_);
        }
    }
    KeptSelection(const KeptSelection&) = delete;
    KeptSelection& operator=(const KeptSelection&) = delete;

    void select(HGDIOBJ object) {
        const HGDIOBJ previous = SelectObject(dc_, object);
        if (kept_ == nullptr) {
            kept_ = previous;
        }
    }

  private:
    HDC dc_;
    HGDIOBJ kept_ = nullptr;
};

// A DC attribute the replay sets only when it differs from what the DC has, read once, put back at the end.
template <typename Value> class KeptAttribute {
  public:
    using Getter = Value(WINAPI*)(HDC);
    using Setter = Value(WINAPI*)(HDC, Value);

    KeptAttribute(HDC dc, Getter get, Setter set) : dc_(dc), get_(get), set_(set) {}
    ~KeptAttribute() {
        if (read_ && current_ != kept_) {
            set_(dc_, kept_);
        }
    }
    KeptAttribute(const KeptAttribute&) = delete;
    KeptAttribute& operator=(const KeptAttribute&) = delete;

    void use(Value value) {
        if (!read_) {
            kept_ = current_ = get_(dc_);
            read_ = true;
        }
        if (value != current_) {
            set_(dc_, value);
            current_ = value;
        }
    }

  private:
    HDC dc_;
    Getter get_;
    Setter set_;
    bool read_ = false;
    Value kept_{};
    Value current_{};
};

enum class BrushInUse { None, Hollow, DcBrush };

// What one replay makes and selects. The objects it made outlive the selections: the DC's own objects are
// back in it before any made one is deleted. Each command sets all it needs; the replay keeps track of what
// it has selected and set only so that each GDI call is made when the next command needs something else.
class GdiReplay {
  public:
    explicit GdiReplay(HDC dc) : dc_(dc), pen_(dc), brush_(dc), font_(dc) {}
    GdiReplay(const GdiReplay&) = delete;
    GdiReplay& operator=(const GdiReplay&) = delete;

    void operator()(const RectangleCmd& command) {
        usePen(command.pen);
        useFill(command.fill);
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
        textColor_.use(colorRef(command.color));
        background_.use(colorRef(command.background));
        backgroundMode_.use(OPAQUE);
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
    // one cell is drawn as the first would be, its pen's gaps in their colour, and the area is filled with it.
    // That paints the pixels of thousands of outlined cells at a fraction of their cost.
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
            const ScopedSelection cellBrush(cellDc.get(), fillBrush(command.fill));
            if (!command.fill.hollow) {
                SetDCBrushColor(cellDc.get(), colorRef(command.fill.color));
            }
            SetBkColor(cellDc.get(), colorRef(command.pen.gaps));
            SetBkMode(cellDc.get(), OPAQUE);
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
    static HGDIOBJ fillBrush(const SceneFill& fill) {
        return GetStockObject(fill.hollow ? NULL_BRUSH : DC_BRUSH);
    }

    void useFill(const SceneFill& fill) {
        const BrushInUse wanted = fill.hollow ? BrushInUse::Hollow : BrushInUse::DcBrush;
        if (brushInUse_ != wanted) {
            brush_.select(fillBrush(fill));
            brushInUse_ = wanted;
        }
        if (!fill.hollow) {
            SetDCBrushColor(dc_, colorRef(fill.color));
        }
    }

    // GDI paints a styled pen's gaps in the DC's background colour, when its background mode is opaque.
    void usePen(const ScenePen& pen) {
        if (pen.style == PenStyle::Dotted) {
            background_.use(colorRef(pen.gaps));
            backgroundMode_.use(OPAQUE);
        }
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
        pen_.select(currentPen_->object.get());
    }

    void useFont(const SceneFont& font) {
        if (!fonts_.empty() && fonts_.back().key == font) {
            return;
        }
        font_.select(fonts_.emplace_back(font, createFont(font)).object.get());
    }

    HDC dc_;
    std::list<MadeObject<ScenePen, HPEN>> pens_; // declared before the selections, so deleted after them
    std::list<MadeObject<SceneFont, HFONT>> fonts_;
    MadeObject<ScenePen, HPEN>* currentPen_ = nullptr;
    BrushInUse brushInUse_ = BrushInUse::None;
    KeptSelection pen_;
    KeptSelection brush_;
    KeptSelection font_;
    KeptAttribute<COLORREF> textColor_{dc_, GetTextColor, SetTextColor};
    KeptAttribute<COLORREF> background_{dc_, GetBkColor, SetBkColor};
    KeptAttribute<int> backgroundMode_{dc_, GetBkMode, SetBkMode};
    std::wstring wideText_;
};

} // namespace

void replayScene(HDC dc, const Scene& scene) {
    GdiReplay replay(dc);
    for (const SceneCommand& command : scene) {
        std::visit(replay, command);
    }
}
