#pragma once

#include <array>

// The seven content slots: six topics reached through the topic links and the
// advanced-search slot pnamaz. Declaration order is slot order.
enum class Slot { Kolliyat, Moghadamat, Vajeb, Mostahab, Namaz, Motefar, Pnamaz };
constexpr int SlotCount = 7;

struct SlotInfo {
    Slot slot;
    const char *suffix;          // names the slot's view controls: DBText + suffix, ...
    const char *contentTable;
    const char *companionObject; // opened beside the content table, never read
    const char *companionTable;  // ADOTable1..7, the object that opens it
    const char *companionSource; // DataSource1..7
    const char *query;
    const char *querySource;
    const char *link;            // topic link label, nullptr for pnamaz
    int markerTop;               // topic marker top for the slot, -1 for pnamaz
    const char *findDialog;      // nullptr for pnamaz
    const char *fontDialog;
};

const std::array<SlotInfo, SlotCount> &slotTable();
const SlotInfo &slotInfo(Slot slot);
constexpr int slotIndex(Slot slot) { return static_cast<int>(slot); }

// The six topic slots in slot order (pnamaz left out).
constexpr std::array<Slot, 6> topicSlots{Slot::Kolliyat, Slot::Moghadamat, Slot::Vajeb,
                                         Slot::Mostahab, Slot::Namaz, Slot::Motefar};
constexpr int markerLeft = 658;
