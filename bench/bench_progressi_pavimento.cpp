// The floor of bench_progressi: the same work with Qt alone and nothing of
// the program's. One bare SQLite table written through Qt SQL in write-ahead
// mode with full synchronisation, one row per transaction, some 2,000 rows;
// then a window that reads every row, sums them per day in one loop, and
// shows three line charts and a table of the days. Wall and CPU time of this
// thread, in milliseconds. Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_progressi_pavimento [rounds]

#include "bench/Misure.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QVariant>

#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int giri = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("pavimento.sqlite"));
    constexpr int kRighe = 2000;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(percorso);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
        q.exec(QStringLiteral("CREATE TABLE t (id INTEGER PRIMARY KEY, e TEXT, l INTEGER, g INTEGER, s INTEGER, "
                              "i INTEGER, a INTEGER, d TEXT, ms INTEGER, m INTEGER, acc INTEGER, anti INTEGER)"));
        std::vector<double> muro, cpu;
        QElapsedTimer t;
        const QDateTime inizio(QDate(2025, 9, 15), QTime(9, 0));
        for (int r = 0; r < kRighe; ++r) {
            const double c0 = cpuMs();
            t.start();
            db.transaction();
            q.prepare(QStringLiteral("INSERT INTO t (e, l, g, s, i, a, d, ms, m, acc, anti) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            for (const QVariant &v : {QVariant(QStringLiteral("FormEs1")), QVariant(1 + r % 4), QVariant(r % 13),
                                      QVariant(r % 5), QVariant(r % 3), QVariant(r % 40),
                                      QVariant(inizio.addSecs(r * 3600 * 3).toString(Qt::ISODate)),
                                      QVariant(60000), QVariant(1), QVariant(300), QVariant(200)})
                q.addBindValue(v);
            q.exec();
            db.commit();
            muro.push_back(t.nsecsElapsed() / 1e6);
            cpu.push_back(cpuMs() - c0);
        }
        stampa("floor: append one row, wall", muro);
        stampa("floor: append one row, CPU", cpu);
    }
    std::printf("floor: file of %d rows: %.1f KB\n", kRighe,
                (QFileInfo(percorso).size() + QFileInfo(percorso + QStringLiteral("-wal")).size()) / 1024.0);

    std::vector<double> muro, cpu;
    for (int g = 0; g < giri; ++g) {
        const double c0 = cpuMs();
        QElapsedTimer t;
        t.start();
        auto *w = new QWidget;
        {
            QSqlDatabase db = QSqlDatabase::database();
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT l, g, s, d FROM t ORDER BY d"));
            QMap<QDate, std::array<int, 3>> giorni;
            while (q.next()) {
                auto &v = giorni[QDateTime::fromString(q.value(3).toString(), Qt::ISODate).date()];
                v[0] = std::max(v[0], q.value(0).toInt());
                v[1] += q.value(1).toInt();
                v[2] += q.value(2).toInt();
            }
            auto *colonna = new QVBoxLayout(w);
            auto *riga = new QHBoxLayout;
            colonna->addLayout(riga);
            for (int c = 0; c < 3; ++c) {
                auto *serie = new QLineSeries;
                for (auto it = giorni.cbegin(); it != giorni.cend(); ++it)
                    serie->append(double(it.key().startOfDay().toMSecsSinceEpoch()), it.value()[c]);
                auto *grafico = new QChart;
                grafico->addSeries(serie);
                grafico->createDefaultAxes();
                riga->addWidget(new QChartView(grafico));
            }
            auto *tabella = new QTableWidget(int(giorni.size()), 4);
            int r = 0;
            for (auto it = giorni.cbegin(); it != giorni.cend(); ++it, ++r) {
                tabella->setItem(r, 0, new QTableWidgetItem(it.key().toString()));
                for (int c = 0; c < 3; ++c)
                    tabella->setItem(r, c + 1, new QTableWidgetItem(QString::number(it.value()[c])));
            }
            colonna->addWidget(tabella);
        }
        w->showFullScreen();
        DipintiFinestra d(*w);
        const std::vector<Dipinti *> dipinti {&d};
        const std::vector<int> prima {d.n};
        w->repaint();
        attendiDipinti(dipinti, prima, 2000);
        muro.push_back(t.nsecsElapsed() / 1e6);
        cpu.push_back(cpuMs() - c0);
        delete w;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    stampa("floor: open the window on the year, wall", muro);
    stampa("floor: open the window on the year, CPU", cpu);
    return 0;
}
