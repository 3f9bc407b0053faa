#pragma once

// How many more GDI objects the process can create now. GetGuiResources reports nothing under Wine, so this
// asks the allocator itself: it creates pens until the system refuses one, then deletes them all. Any object
// still alive, a leaked font, pen, bitmap or memory DC among them, leaves one slot fewer.
int freeGdiObjectSlots();
