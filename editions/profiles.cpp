#include "editions/EditionProfile.h"

#include <stdexcept>

namespace {

QString connectionStringFor(const QString &file, bool extendedProperties)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=") + file
        + QStringLiteral(";Mode=Share Deny None;")
        + (extendedProperties ? QStringLiteral("Extended Properties=\"\";") : QString())
        + QStringLiteral("Persist Security Info=False;Jet OLEDB:System database=\"\";"
                         "Jet OLEDB:Registry Path=\"\";Jet OLEDB:Database Password=\"\";"
                         "Jet OLEDB:Engine Type=5;Jet OLEDB:Database Locking Mode=1;"
                         "Jet OLEDB:Global Partial Bulk Ops=2;Jet OLEDB:Global Bulk Transactions=1;"
                         "Jet OLEDB:New Database Password=\"\";Jet OLEDB:Create System Database=False;"
                         "Jet OLEDB:Encrypt Database=False;Jet OLEDB:Don't Copy Locale on Compact=False;"
                         "Jet OLEDB:Compact Without Replica Repair=False;Jet OLEDB:SFP=False");
}

const FontStyle tahomaGrid{"Tahoma", 13, 0, true};

EditionProfile make(const QString &name, const QString &file, std::vector<TopicLink> links)
{
    EditionProfile p;
    p.name = name;
    p.databaseFile = file;
    p.connectionString = connectionStringFor(file, false);
    p.links = std::move(links);
    p.linkFontHeight = 13;
    p.titleTop = 113;
    p.titleHeight = 28;
    p.shape1Left = 208;
    p.shape1Width = 173;
    p.gridTop = 456;
    p.gridHeight = 211;
    p.gridFont = tahomaGrid;
    p.questionScrollBar = false;
    p.headerHeight = 41;
    p.backgroundResource = QStringLiteral(":/editions/%1/background.jpg").arg(name);
    return p;
}

std::vector<EditionProfile> build()
{
    std::vector<EditionProfile> all;

    EditionProfile moshaver = make("moshaver", "moshavere.mdb", {
        {"Label1", Slot::Kolliyat, ".: آثار روزه :.", {703, 111, 67, 16}},
        {"Label3", Slot::Moghadamat, ".: تربيت فرزند :.", {695, 147, 86, 16}},
        {"Label6", Slot::Vajeb, ".: تعادل در رفتار :.", {695, 179, 97, 16}},
        {"Label4", Slot::Mostahab, ".: توصيه هاي تغذيه اي :.", {672, 213, 136, 16}},
    });
    moshaver.titleTop = 114;
    all.push_back(moshaver);

    all.push_back(make("kalam", "kalam.mdb", {
        {"Label1", Slot::Kolliyat, ".: روزه :.", {712, 111, 47, 16}},
        {"Label3", Slot::Moghadamat, ".: شب قدر :.", {704, 147, 72, 16}},
        {"Label6", Slot::Vajeb, ".: امام علي (ع) :.", {694, 179, 100, 16}},
        {"Label4", Slot::Mostahab, ".: ابتلا و توسل :.", {693, 213, 92, 16}},
        {"Label5", Slot::Namaz, ".: شيطان :.", {704, 246, 66, 16}},
        {"Label7", Slot::Motefar, ".: فلسفه احکام :.", {693, 281, 99, 16}},
    }));

    EditionProfile ahkam = make("ahkam", "ramezan.mdb", {
        {"Label1", Slot::Kolliyat, ".: نيت روزه  :.", {694, 111, 86, 18}},
        {"Label3", Slot::Moghadamat, ".:  مبطلات روزه :.", {688, 147, 110, 18}},
        {"Label6", Slot::Vajeb, ".: روزه مسافر :.", {693, 179, 98, 18}},
        {"Label4", Slot::Mostahab, ".: روزه قضا :.", {700, 213, 81, 18}},
        {"Label5", Slot::Namaz, ".: زکات فطره :.", {695, 248, 93, 18}},
        {"Label7", Slot::Motefar, ".: ساير موارد :.", {693, 280, 95, 18}},
    });
    ahkam.connectionString = connectionStringFor("ramezan.mdb", true);
    ahkam.linkFontHeight = 15;
    ahkam.titleHeight = 22;
    ahkam.shape1Left = 244;
    ahkam.shape1Width = 137;
    ahkam.gridTop = 449;
    ahkam.gridHeight = 216;
    ahkam.gridFont = {"B Badr", 16, 0, true};
    all.push_back(ahkam);

    EditionProfile quran = make("quran", "quran.mdb", {
        {"Label1", Slot::Kolliyat, ".: قرآن :.", {713, 111, 48, 16}},
        {"Label3", Slot::Moghadamat, ".: روايات :.", {710, 147, 58, 16}},
        {"Label6", Slot::Vajeb, ".: شب قدر :.", {703, 179, 72, 16}},
    });
    quran.titleTop = 112;
    all.push_back(quran);

    EditionProfile revayat = make("revayat", "revayat.mdb", {
        {"Label1", Slot::Kolliyat, ".: آيات قرآن :.", {700, 111, 74, 16}},
        {"Label3", Slot::Moghadamat, ".: روايات  :.", {704, 147, 62, 16}},
    });
    revayat.titleHeight = 25;
    revayat.questionScrollBar = true;
    revayat.headerHeight = 49;
    all.push_back(revayat);

    return all;
}

} // namespace

const TopicLink *EditionProfile::link(Slot slot) const
{
    for (const TopicLink &l : links)
        if (l.slot == slot)
            return &l;
    return nullptr;
}

const std::vector<EditionProfile> &allEditions()
{
    static const std::vector<EditionProfile> editions = build();
    return editions;
}

const EditionProfile &edition(const QString &name)
{
    for (const EditionProfile &p : allEditions())
        if (p.name == name)
            return p;
    throw std::out_of_range("unknown edition " + name.toStdString());
}
