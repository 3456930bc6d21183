#include "app/Shell.h"
#include "app/Startup.h"
#include "app/Tmain.h"
#include "app/WebSite.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "controls/DBText.h"
#include "editions/EditionProfile.h"
#include "support/DialogRecorder.h"
#include "support/TestDatabase.h"
#include "support/Typing.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
// Mouse events go through the window, so the control on top at the point gets them.
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>
#include <QTimer>

// The program as a user starts it: the window, what it shows first, where the
// focus is, and the window chrome (hotspots, hover colours).
class StartupTest : public QObject
{
    Q_OBJECT
private:
    template <typename T = QWidget>
    static T *find(QWidget &window, const char *name)
    {
        T *found = window.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    static QPoint centreOf(QWidget &window, const char *name)
    {
        QWidget *control = find(window, name);
        return control->mapTo(&window, control->rect().center());
    }

    static void showAndActivate(Tmain &window)
    {
        showCentred(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    // The names of the topic-view controls of every slot.
    static QStringList viewControls(const char *suffix)
    {
        const QString s = QLatin1String(suffix);
        const QString footnote = s == QLatin1String("kolliyat") ? QStringLiteral("Memomankolliyat") : "Memoma" + s;
        return {"DBText" + s, "Memopo" + s, "Memopa" + s, footnote, "DB" + s};
    }

    static const QList<const char *> &allSlots()
    {
        static const QList<const char *> suffixes{"kolliyat", "moghadamat", "vajeb", "mostahab",
                                                  "namaz", "motefar", "pnamaz"};
        return suffixes;
    }

private slots:
    void initTestCase()
    {
        prepareApplication();
    }

    void cleanup()
    {
        Shell::setOpener({});
    }

    void windowAsFirstShown()
    {
        TestDatabase db;
        DialogRecorder boxes;
        Tmain window(edition(QStringLiteral("kalam")));
        QVERIFY(!window.isVisible());
        showAndActivate(window);

        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(window.objectName(), QStringLiteral("main"));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.size(), QSize(865, 682));
        QCOMPARE(window.minimumSize(), QSize(865, 682));
        QCOMPARE(window.maximumSize(), QSize(865, 682));
        const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2((window.frameGeometry().center() - desktop.center()).manhattanLength() <= 1,
                 "the window is centred on the desktop");
        QCOMPARE(window.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(window.font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(window.font().pixelSize(), 12);
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0xD9, 0xF1, 0xD1));
        QCOMPARE(window.windowTitle(), QStringLiteral("Talvenor ماه رمضان"));
        QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("Ostravel"));
    }

    void startViewShowsFirstKolliyatRecord()
    {
        TestDatabase db;
        DialogRecorder boxes;
        Tmain window(edition(QStringLiteral("kalam")));
        showAndActivate(window);
        QCOMPARE(boxes.texts(), QStringList());

        QCOMPARE(find<DBText>(window, "DBTextkolliyat")->text(),
                 db.scalar("SELECT kholase FROM kolliyat ORDER BY rowid LIMIT 1"));
        QCOMPARE(find<DBMemo>(window, "Memopokolliyat")->storedText(),
                 db.scalar("SELECT porsesh FROM kolliyat ORDER BY rowid LIMIT 1"));
        QCOMPARE(find<DBMemo>(window, "Memopakolliyat")->storedText(),
                 db.scalar("SELECT pasokh FROM kolliyat ORDER BY rowid LIMIT 1"));
        QCOMPARE(find<DBMemo>(window, "Memomankolliyat")->storedText(),
                 db.scalar("SELECT pavaraghi FROM kolliyat ORDER BY rowid LIMIT 1"));

        auto *grid = find<DBGrid>(window, "DBkolliyat");
        const int records = db.count("SELECT count(*) FROM kolliyat");
        QVERIFY(records > 1);
        QCOMPARE(grid->model()->rowCount(), records);
        QCOMPARE(grid->model()->index(records - 1, 0).data().toString(),
                 db.scalar("SELECT kholase FROM kolliyat ORDER BY rowid DESC LIMIT 1"));

        QCOMPARE(find(window, "Image2")->pos(), QPoint(658, 107));
        QVERIFY(!find(window, "Label8")->isVisible());
        QVERIFY(!find(window, "Panel1")->isVisible());
        for (const char *slot : allSlots()) {
            for (const QString &name : viewControls(slot)) {
                QWidget *control = find(window, name.toLatin1().constData());
                QCOMPARE(control->isVisible(), qstrcmp(slot, "kolliyat") == 0);
            }
        }
    }

    // The first key typed replaces the placeholder and filters by that key alone.
    void focusAndSelectionAtActivation()
    {
        TestDatabase db;
        DialogRecorder boxes;
        Tmain window(edition(QStringLiteral("kalam")));
        showAndActivate(window);

        auto *filter = find<QLineEdit>(window, "Edit1");
        QCOMPARE(QApplication::focusWidget(), filter);
        QCOMPARE(filter->selectedText(), QStringLiteral("جستجو...."));

        typeText(QApplication::focusWidget(), QStringLiteral("ن"));
        QCOMPARE(filter->text(), QStringLiteral("ن"));
        QVERIFY(find(window, "Label8")->isVisible());
        QCOMPARE(find<QLabel>(window, "Label9")->text(),
                 QString::number(db.count("SELECT count(*) FROM kolliyat WHERE kholase LIKE '%ن%'")));
        QCOMPARE(boxes.texts(), QStringList());
    }

    // A click places the caret instead: the typed letter goes into the placeholder.
    void clickIntoFilterBoxKeepsPlaceholder()
    {
        TestDatabase db;
        DialogRecorder boxes;
        Tmain window(edition(QStringLiteral("kalam")));
        showAndActivate(window);
        auto *filter = find<QLineEdit>(window, "Edit1");
        QTest::mouseClick(filter, Qt::LeftButton, {}, filter->rect().center());
        QVERIFY(!filter->hasSelectedText());
        typeText(filter, QStringLiteral("ن"));
        QCOMPARE(filter->text().size(), QStringLiteral("جستجو....ن").size());
    }

    void withoutDatabaseEveryOpeningIsReported()
    {
        QTemporaryDir empty;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(empty.path());
        DialogRecorder boxes;
        Tmain window(edition(QStringLiteral("kalam")));
        QDir::setCurrent(previous);

        const QStringList datasets{"ADOTable1", "Qkolliyat", "ADOTable2", "Qmoghadamat", "ADOTable3",
                                   "Qvajeb", "ADOTable4", "Qmostahab", "ADOTable5", "Qnamaz",
                                   "ADOTable6", "Qmotefar", "ADOTable7", "qpnamaz"};
        QCOMPARE(boxes.boxes.size(), 15);
        for (const Dialogs::Box &box : boxes.boxes) {
            QCOMPARE(box.title, QStringLiteral("Ostravel"));
            QCOMPARE(box.icon, QMessageBox::Critical);
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        QVERIFY2(boxes.boxes[0].text.contains(QStringLiteral("kalam.mdb")), qPrintable(boxes.boxes[0].text));
        for (int i = 0; i < datasets.size(); ++i)
            QVERIFY2(boxes.boxes[i + 1].text.startsWith(datasets[i] + QStringLiteral(": ")),
                     qPrintable(boxes.boxes[i + 1].text));

        boxes.clear();
        showAndActivate(window);
        QVERIFY(find(window, "Memopakolliyat")->isVisible());
        QCOMPARE(find<DBText>(window, "DBTextkolliyat")->text(), QString());
        QCOMPARE(find<DBMemo>(window, "Memopokolliyat")->storedText(), QString());
        QCOMPARE(find<DBMemo>(window, "Memopakolliyat")->storedText(), QString());
        QCOMPARE(find<DBGrid>(window, "DBkolliyat")->model()->rowCount(), 0);

        // A command on a closed query shows the error and the window goes on.
        QTest::mouseClick(&window, Qt::LeftButton, {}, centreOf(window, "SpeedButton2"));
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY2(boxes.boxes[0].text.startsWith(QStringLiteral("Qkolliyat: ")), qPrintable(boxes.boxes[0].text));
        QVERIFY(window.isVisible());
    }

    void gridClickShowsThatRecord_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("second") << 1;
        QTest::newRow("fifth") << 4;
        QTest::newRow("last") << -1;
    }
    void gridClickShowsThatRecord()
    {
        QFETCH(int, row);
        TestDatabase db;
        DialogRecorder boxes;
        Tmain window(edition(QStringLiteral("kalam")));
        showAndActivate(window);

        auto *grid = find<DBGrid>(window, "DBkolliyat");
        if (row < 0)
            row = grid->model()->rowCount() - 1;
        const QModelIndex index = grid->model()->index(row, 0);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());

        const QString record = QStringLiteral(" FROM kolliyat ORDER BY rowid LIMIT 1 OFFSET %1").arg(row);
        QCOMPARE(find<DBText>(window, "DBTextkolliyat")->text(), db.scalar("SELECT kholase" + record));
        QCOMPARE(find<DBMemo>(window, "Memopokolliyat")->storedText(), db.scalar("SELECT porsesh" + record));
        QCOMPARE(find<DBMemo>(window, "Memopakolliyat")->storedText(), db.scalar("SELECT pasokh" + record));
        QCOMPARE(find<DBMemo>(window, "Memomankolliyat")->storedText(), db.scalar("SELECT pavaraghi" + record));
        QCOMPARE(boxes.texts(), QStringList());
    }

    void closeHotspotEndsTheProgram_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void closeHotspotEndsTheProgram()
    {
        QFETCH(Qt::MouseButton, button);
        TestDatabase db;
        DialogRecorder boxes;
        Tmain window(edition(QStringLiteral("kalam")));
        showAndActivate(window);

        const QPoint shape2 = centreOf(window, "Shape2");
        QTimer::singleShot(0, &window, [&] { QTest::mousePress(&window, button, {}, shape2); });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!window.isVisible());
    }

    void minimiseAndRestoreKeepsTheView()
    {
        TestDatabase db;
        DialogRecorder boxes;
        Tmain window(edition(QStringLiteral("kalam")));
        showAndActivate(window);
        QTest::mouseClick(&window, Qt::LeftButton, {}, centreOf(window, "SpeedButton2"));
        const QString title = find<DBText>(window, "DBTextkolliyat")->text();
        QTest::mouseClick(&window, Qt::LeftButton, {}, centreOf(window, "SpeedButton8"));
        QVERIFY(find(window, "Panel1")->isVisible());

        QTest::mousePress(&window, Qt::LeftButton, {}, centreOf(window, "Shape3"));
        QTRY_VERIFY(window.isMinimized());
        window.showNormal();
        QTRY_VERIFY(!window.isMinimized());
        QVERIFY(find(window, "Panel1")->isVisible());
        QVERIFY(find(window, "Memopapnamaz")->isVisible());
        QVERIFY(!find(window, "Memopakolliyat")->isVisible());
        QTest::mouseClick(&window, Qt::LeftButton, {}, centreOf(window, "SpeedButton10"));
        QCOMPARE(find<DBText>(window, "DBTextkolliyat")->text(), title);
        QCOMPARE(boxes.texts(), QStringList());
    }

    // Presses are counted by window position, so the stacking decides who gets them.
    void webSiteHotspots_data()
    {
        QTest::addColumn<QString>("edition");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<int>("opened");
        QTest::newRow("address") << "kalam" << QPoint(290, 668) << Qt::LeftButton << false << 1;
        QTest::newRow("logo") << "kalam" << QPoint(80, 60) << Qt::LeftButton << false << 1;
        QTest::newRow("right button") << "kalam" << QPoint(80, 60) << Qt::RightButton << false << 1;
        QTest::newRow("double-click opens twice") << "kalam" << QPoint(290, 668) << Qt::LeftButton << true << 2;
        QTest::newRow("beside the address") << "kalam" << QPoint(400, 668) << Qt::LeftButton << false << 0;
        QTest::newRow("ahkam left of 244") << "ahkam" << QPoint(243, 668) << Qt::LeftButton << false << 0;
        QTest::newRow("ahkam at 244") << "ahkam" << QPoint(244, 668) << Qt::LeftButton << false << 1;
        QTest::newRow("ahkam at 380") << "ahkam" << QPoint(380, 668) << Qt::LeftButton << false << 1;
    }
    void webSiteHotspots()
    {
        QFETCH(QString, edition);
        QFETCH(QPoint, point);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, doubleClick);
        QFETCH(int, opened);
        TestDatabase db(TestDatabase::sampleSql(), ::edition(edition).databaseFile);
        DialogRecorder boxes;
        Tmain window(::edition(edition));
        showAndActivate(window);

        QList<QUrl> urls;
        Shell::setOpener([&](QWidget *owner, const QUrl &url) {
            QCOMPARE(owner, &window);
            urls << url;
        });
        if (doubleClick)
            QTest::mouseDClick(&window, button, {}, point);
        else
            QTest::mouseClick(&window, button, {}, point);
        QCOMPARE(urls.size(), opened);
        for (const QUrl &url : urls)
            QCOMPARE(url, QUrl(publisherSite));
        QVERIFY(window.isVisible());
    }

    void linksTurnGreenUnderThePointer()
    {
        TestDatabase db;
        DialogRecorder boxes;
        Tmain window(edition(QStringLiteral("kalam")));
        showAndActivate(window);
        const QColor green(0x00, 0x80, 0x00), maroon(0x80, 0x00, 0x00);
        for (const char *name : {"Label1", "Label3", "Label6", "Label4", "Label5", "Label7"}) {
            auto *link = find<QLabel>(window, name);
            QCOMPARE(link->palette().color(QPalette::WindowText), maroon);
            QTest::mouseMove(&window, centreOf(window, name));
            QTRY_COMPARE(link->palette().color(QPalette::WindowText), green);
            QTest::mouseMove(&window, QPoint(400, 60));
            QTRY_COMPARE(link->palette().color(QPalette::WindowText), maroon);
        }
        // The link of the shown slot too: the colour says nothing about the slot.
        QTest::mouseMove(&window, centreOf(window, "Label1"));
        QTest::mouseClick(&window, Qt::LeftButton, {}, centreOf(window, "Label1"));
        QTest::mouseMove(&window, QPoint(400, 60));
        QTRY_COMPARE(find<QLabel>(window, "Label1")->palette().color(QPalette::WindowText), maroon);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
