#pragma once

#include <windows.h>

// Scope guards for the GDI objects of one paint, so that every exit puts the DC back as it was and deletes
// what the paint made.

// Owns a font, pen or bitmap made for one scope and deletes it at the end of the scope.
template <typename Handle> class OwnedGdiObject {
  public:
    explicit OwnedGdiObject(Handle handle) : handle_(handle) {}
    ~OwnedGdiObject() {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
        }
    }
    OwnedGdiObject(const OwnedGdiObject&) = delete;
    OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;

    Handle get() const { return handle_; }

  private:
    Handle handle_;
};

// Selects an object into a DC for the scope and puts the previously selected one back at its end.
class ScopedSelection {
  public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelection() { SelectObject(dc_, previous_); }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A font or pen made for one scope and selected for it: at the end the previous object goes back into the DC,
// then this one is deleted.
template <typename Handle> class SelectedGdiObject {
  public:
    SelectedGdiObject(HDC dc, Handle handle) : object_(handle), selection_(dc, handle) {}

    Handle get() const { return object_.get(); }

  private:
    OwnedGdiObject<Handle> object_; // declared first, so it is deleted after the selection is undone
    ScopedSelection selection_;
};

// A memory DC compatible with another DC, deleted at the end of the scope.
class MemoryDc {
  public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC get() const { return dc_; }

  private:
    HDC dc_;
};
