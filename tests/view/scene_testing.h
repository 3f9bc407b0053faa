#pragma once

#include "view/scene_commands.h"

#include <ostream>
#include <string>
#include <variant>
#include <vector>

// Reading a recorded scene in tests: the commands of one kind, in order.
template <typename Command> std::vector<Command> commandsOf(const Scene& scene) {
    std::vector<Command> found;
    for (const SceneCommand& command : scene) {
        if (const Command* match = std::get_if<Command>(&command)) {
            found.push_back(*match);
        }
    }
    return found;
}

// The texts of the scene, in order.
inline std::vector<std::string> textsOf(const Scene& scene) {
    std::vector<std::string> texts;
    for (const TextCmd& text : commandsOf<TextCmd>(scene)) {
        texts.push_back(text.text);
    }
    return texts;
}

// The kind of each command, in order, one letter each: R rectangle, P polyline, T text, I picture, G grid.
inline std::string commandKinds(const Scene& scene) {
    std::string kinds;
    for (const SceneCommand& command : scene) {
        kinds += "RPTIG"[command.index()];
    }
    return kinds;
}

inline void PrintTo(const SceneRect& rect, std::ostream* out) {
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

inline void PrintTo(const ScenePoint& point, std::ostream* out) {
    *out << "(" << point.x << ", " << point.y << ")";
}
