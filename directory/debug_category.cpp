#include "directory/debug_category.h"

std::string_view CategoryName(DebugCategory category) {
    switch (category) {
        case DebugCategory::Ok:
            return "ok";
        case DebugCategory::Warning:
            return "warning";
        case DebugCategory::Connex:
            return "connex";
        case DebugCategory::Chat:
            return "chat";
        case DebugCategory::Error:
            return "error";
        default:
            return "standard";
    }
}

CategoryColours ColoursOfCategory(std::string_view name) {
    struct Entry {
        std::string_view name;
        CategoryColours colours;
    };
    static constexpr Entry kTable[] = {
        {"ok", {{224, 255, 224}, {51, 102, 0}}},     {"warning", {{251, 255, 198}, {102, 0, 0}}},
        {"connex", {{208, 208, 232}, {0, 51, 102}}}, {"chat", {{224, 224, 255}, {0, 0, 102}}},
        {"error", {{255, 224, 224}, {204, 0, 0}}},
    };
    for (const Entry& entry : kTable) {
        if (entry.name == name) return entry.colours;
    }
    return {{226, 226, 226}, {0, 0, 0}};
}
