#pragma once

#include "compat/olecolor.h"

#include <QtGlobal>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <optional>
#include <vector>

namespace pattaro {

// Colour and bold of every character of a text, by its offset in the text.
// Setting either over a range is a plain fill, so colouring many ranges costs
// little; the pane shows the result only where it paints.
class CharFormats {
public:
    // One stretch of characters that share colour and bold.
    struct Run {
        qsizetype start;
        qsizetype length;
        std::optional<platform::OleColor> color; // none: the pane's own text colour
        bool bold;
        bool operator==(const Run&) const = default;
    };

    // A text of `size` characters, none of them formatted.
    void reset(qsizetype size);
    qsizetype size() const { return m_size; }

    // Both clamp the range to the text; each leaves the other attribute alone.
    void setColor(qsizetype from, qsizetype to, platform::OleColor color);
    void setBold(qsizetype from, qsizetype to, bool on);

    // Empty when the character's colour was never set.
    std::optional<platform::OleColor> color(qsizetype at) const;
    bool bold(qsizetype at) const;

    // Follows an edit of the text: [from, to) became `added` new characters,
    // which take the format of the character before them, as typing does.
    void replace(qsizetype from, qsizetype to, qsizetype added);

    // The runs of [from, to) that carry a colour or bold; unformatted
    // stretches are left out. Starts are relative to `from`.
    std::vector<Run> runs(qsizetype from, qsizetype to) const;

private:
    using Cell = std::uint32_t;
    // Zeroed memory from calloc, which for a long text's table maps fresh
    // pages without writing them; value-initialised cells are left to that
    // zeroing. A table then costs its pages only as colouring reaches them,
    // so the first colours on a long text do not wait for the whole table.
    template <typename T>
    struct ZeroedAllocator {
        using value_type = T;
        ZeroedAllocator() = default;
        template <typename U>
        ZeroedAllocator(const ZeroedAllocator<U>&) noexcept
        {
        }
        T* allocate(size_t n)
        {
            if (void* memory = std::calloc(n, sizeof(T)))
                return static_cast<T*>(memory);
            throw std::bad_alloc();
        }
        void deallocate(T* memory, size_t) noexcept { std::free(memory); }
        template <typename U>
        void construct(U*) noexcept
        {
        }
        template <typename U>
        void construct(U* at, const U& value) noexcept
        {
            *at = value;
        }
        friend bool operator==(ZeroedAllocator, ZeroedAllocator) { return true; }
    };
    using Cells = std::vector<Cell, ZeroedAllocator<Cell>>;
    static constexpr Cell kRgbMask = 0x00FFFFFFu;
    static constexpr Cell kColorSet = 0x01000000u;
    static constexpr Cell kBold = 0x02000000u;

    Cell cell(qsizetype at) const;
    void allocate();
    // Where the cell of a character lies in m_cells.
    size_t slot(qsizetype at) const { return size_t(at < m_gapAt ? at : at + m_gapLength); }
    void moveGapTo(qsizetype at);
    template <typename Change>
    void change(qsizetype from, qsizetype to, Change apply);

    qsizetype m_size = 0;
    // One cell per character, or none while nothing is formatted, so panes
    // that are never coloured cost nothing. Unused cells form a gap at the
    // last edit, so typing moves only the cells between one edit and the
    // next rather than every cell after the caret.
    Cells m_cells;
    qsizetype m_gapAt = 0;
    qsizetype m_gapLength = 0;
};

} // namespace pattaro
