// Times the title filter's path on a 20,000-record topic: the statement
// replacement and count that every keystroke in the filter box runs.
#include "BigDatabase.h"

#include "content/ContentData.h"
#include "content/Statements.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

double millisecondsOf(const std::function<void()> &work, int repeats = 5)
{
    QElapsedTimer timer;
    double best = 1e18;
    for (int i = 0; i < repeats; ++i) {
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? atoi(argv[1]) : 20000;
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    std::printf("making a database with %d kolliyat records...\n", records);
    writeBigDatabase(QStringLiteral("kalam.mdb"), records, 4000);
    std::printf("file size: %.1f MB\n", QFileInfo(QStringLiteral("kalam.mdb")).size() / 1e6);

    const long before = residentKiB();
    ContentData content(QStringLiteral("Data Source=kalam.mdb"));
    QElapsedTimer timer;
    timer.start();
    content.openAll([](const QString &message) { std::printf("error: %s\n", qPrintable(message)); });
    std::printf("open all fourteen datasets: %.0f ms, memory +%ld MiB\n", timer.nsecsElapsed() / 1e6,
                (residentKiB() - before) / 1024);

    Query *query = content.query(Slot::Kolliyat);
    int count = 0;
    const struct { const char *what; QString text; } keystrokes[] = {
        {"one letter (most titles match)", QStringLiteral("ر")},
        {"a word", QStringLiteral("روزه")},
        {"two words", QStringLiteral("روزه نماز")},
        {"nothing matches", QStringLiteral("ژژژ")},
    };
    for (const auto &k : keystrokes) {
        const double ms = millisecondsOf([&] {
            query->replaceStatement(filterStatement(Slot::Kolliyat, k.text));
            count = query->recordCount();
        });
        std::printf("filter keystroke, %-32s %6d records  %7.1f ms\n", k.what, count, ms);
    }
    const double cancel = millisecondsOf([&] { query->replaceStatement(cancelStatement(Slot::Kolliyat)); });
    std::printf("filter cancel (all %d records)                       %7.1f ms\n", query->recordCount(), cancel);
    std::printf("memory after the runs: %ld MiB\n", residentKiB() / 1024);
    return 0;
}
