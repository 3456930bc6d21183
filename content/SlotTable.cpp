#include "content/SlotTable.h"

const std::array<SlotInfo, SlotCount> &slotTable()
{
    static const std::array<SlotInfo, SlotCount> table{{
        {Slot::Kolliyat, "kolliyat", "kolliyat", "Qkolliyat", "ADOTable1", "DataSource1",
         "Qkolliyat", "Dqkolliyat", "Label1", 107, "FindDialog1", "FontDialog1"},
        {Slot::Moghadamat, "moghadamat", "ejaz", "Qejaz", "ADOTable2", "DataSource2",
         "Qmoghadamat", "Dmoghadamat", "Label3", 142, "FindDialog3", "FontDialog2"},
        {Slot::Vajeb, "vajeb", "elm", "Qelm", "ADOTable3", "DataSource3",
         "Qvajeb", "Dvajeb", "Label6", 176, "FindDialog5", "FontDialog3"},
        {Slot::Mostahab, "mostahab", "payambaran", "Qpayambaran", "ADOTable4", "DataSource4",
         "Qmostahab", "Dmostahab", "Label4", 210, "FindDialog2", "FontDialog4"},
        {Slot::Namaz, "namaz", "vahy", "Qvahy", "ADOTable5", "DataSource5",
         "Qnamaz", "Dnamaz", "Label5", 243, "FindDialog4", "FontDialog5"},
        {Slot::Motefar, "motefar", "mohamad", "Qmohamad", "ADOTable6", "DataSource6",
         "Qmotefar", "Dmotefar", "Label7", 277, "FindDialog6", "FontDialog6"},
        {Slot::Pnamaz, "pnamaz", "pnabovat", "Qpnabovat", "ADOTable7", "DataSource7",
         "qpnamaz", "Dqpnamaz", nullptr, -1, nullptr, "FontDialog7"},
    }};
    return table;
}

const SlotInfo &slotInfo(Slot slot)
{
    return slotTable()[slotIndex(slot)];
}
