#pragma once

#include "content/SlotTable.h"

#include <array>
#include <functional>
#include <optional>
#include <span>

// Commands find the slot they work on by testing the slots' answer memos for
// visibility, each command in its own fixed order; the first visible one wins.
namespace CurrentSlot {

// Title filter, its cancel and find in answer text: never pnamaz.
inline constexpr std::array<Slot, 6> filterOrder{Slot::Kolliyat, Slot::Mostahab, Slot::Moghadamat,
                                                 Slot::Namaz, Slot::Vajeb, Slot::Motefar};
// The four navigation buttons.
inline constexpr std::array<Slot, 7> navigationOrder{Slot::Kolliyat, Slot::Mostahab, Slot::Moghadamat,
                                                     Slot::Namaz, Slot::Vajeb, Slot::Motefar, Slot::Pnamaz};
// The answer font command.
inline constexpr std::array<Slot, 7> fontOrder{Slot::Kolliyat, Slot::Moghadamat, Slot::Vajeb, Slot::Mostahab,
                                               Slot::Namaz, Slot::Motefar, Slot::Pnamaz};

// The first slot of `order` whose answer memo is visible, if any.
inline std::optional<Slot> find(std::span<const Slot> order, const std::function<bool(Slot)> &answerVisible)
{
    for (Slot slot : order)
        if (answerVisible(slot))
            return slot;
    return std::nullopt;
}

} // namespace CurrentSlot
