// The named fields of a record's payload layout, in layout order, for
// listing records.
#pragma once

#include "DrawRecord.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kritz {

struct NamedField {
    std::string_view name;
    std::int64_t value = 0;
    bool isColor = false;
};

class RecordFields {
public:
    explicit RecordFields(const DrawRecord& record);
    std::span<const NamedField> Items() const { return std::span(m_items).first(m_count); }

private:
    void Add(std::string_view name, std::int64_t value, bool isColor = false);

    std::array<NamedField, 4> m_items{};
    std::size_t m_count = 0;
};

}
