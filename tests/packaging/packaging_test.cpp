// What an installation puts on a machine: the installed tree, the desktop files as the desktop's
// own validators judge them, and the Debian package built from the same install rules.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
};

Run RunCommand(const QString& program, const QStringList& args,
               const QString& workingDirectory = {}) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(workingDirectory);
    process.start(program, args);
    if (!process.waitForStarted() || !process.waitForFinished(600000)) {
        return {-1, program.toUtf8() + " did not run"};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAll()};
}

// Every file below `root`, as paths relative to it, sorted.
QStringList FilesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir(root).relativeFilePath(it.next());
    }
    files.sort();
    return files;
}

const QStringList kInstalledFiles = {
    "bin/qev-amount-words",
    "bin/qev-words",
    "share/applications/com.kestrune.qev.desktop",
    "share/icons/hicolor/16x16/apps/com.kestrune.qev.png",
    "share/icons/hicolor/32x32/apps/com.kestrune.qev.png",
    "share/icons/hicolor/48x48/apps/com.kestrune.qev.png",
    "share/metainfo/com.kestrune.qev.metainfo.xml",
};

} // namespace

class PackagingTest : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;

private slots:
    void initTestCase() {
        QVERIFY(prefix_.isValid());
        const Run install = RunCommand(QStringLiteral(QEV_CMAKE),
                                       {"--install", QEV_BUILD_DIR, "--prefix", prefix_.path()});
        QVERIFY2(install.status == 0, install.out.constData());
    }

    void installsExactlyTheProgramsAndDesktopFiles() {
        QCOMPARE(FilesBelow(prefix_.path()), kInstalledFiles);
        for (const char* program : {"bin/qev-amount-words", "bin/qev-words"}) {
            QVERIFY(QFileInfo(prefix_.filePath(program)).isExecutable());
        }
    }

    void desktopFilesPassTheirValidators_data() {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("file");
        QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList{}
                                       << "share/applications/com.kestrune.qev.desktop";
        QTest::newRow("metainfo") << "appstreamcli" << QStringList{"validate", "--no-net"}
                                  << "share/metainfo/com.kestrune.qev.metainfo.xml";
    }
    void desktopFilesPassTheirValidators() {
        QFETCH(QString, validator);
        QFETCH(QStringList, options);
        QFETCH(QString, file);
        const Run run = RunCommand(validator, options << prefix_.filePath(file));
        qInfo().noquote() << validator << file << "\n" << run.out.trimmed();
        QVERIFY2(run.status == 0, run.out.constData());
        // Infos are fine; warnings and errors are not.
        QVERIFY2(!QRegularExpression("^[EW]: |error|warning", QRegularExpression::MultilineOption)
                      .match(QString::fromUtf8(run.out))
                      .hasMatch(),
                 run.out.constData());
    }

    void metainfoCarriesTheProjectVersion() {
        QFile file(prefix_.filePath("share/metainfo/com.kestrune.qev.metainfo.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<release version=\"" QEV_VERSION "\""));
    }

    // The package holds the installed files under /usr, and depends on what the programs link
    // plus the song face the windows are laid out for.
    void debianPackage() {
        QTemporaryDir out;
        const Run cpack = RunCommand(
            QStringLiteral(QEV_CPACK),
            {"-G", "DEB", "--config", QEV_BUILD_DIR "/CPackConfig.cmake", "-B", out.path()},
            out.path());
        QVERIFY2(cpack.status == 0, cpack.out.constData());
        const QStringList debs = QDir(out.path()).entryList({"*.deb"});
        QCOMPARE(debs.size(), 1);
        const QString deb = out.filePath(debs.first());
        const QString architecture =
            QString::fromUtf8(RunCommand("dpkg", {"--print-architecture"}).out.trimmed());
        QCOMPARE(debs.first(), "qev-amount-words_" QEV_VERSION "_" + architecture + ".deb");

        const Run contents = RunCommand("dpkg-deb", {"--contents", deb});
        QCOMPARE(contents.status, 0);
        QStringList files;
        for (const QByteArray& line : contents.out.split('\n')) {
            if (!line.isEmpty() && !line.endsWith('/')) {
                files << QString::fromUtf8(line.mid(line.indexOf("./") + 2));
            }
        }
        files.sort();
        QStringList expected;
        for (const QString& file : kInstalledFiles) {
            expected << "usr/" + file;
        }
        QCOMPARE(files, expected);

        const auto field = [&](const char* name) {
            return QString::fromUtf8(RunCommand("dpkg-deb", {"--field", deb, name}).out.trimmed());
        };
        QCOMPARE(field("Package"), QString("qev-amount-words"));
        QCOMPARE(field("Version"), QString(QEV_VERSION));
        QCOMPARE(field("Maintainer"), QString("Kestrune软件"));
        QCOMPARE(field("Section"), QString("utils"));
        const QStringList depends = field("Depends").split(QRegularExpression(",\\s*"));
        for (const char* package : {"fonts-arphic-uming", "qt6-translations-l10n", "libqt6widgets6", "libqt6gui6",
                                    "libqt6core6", "libicu72", "libstdc++6", "libc6"}) {
            QVERIFY2(std::any_of(depends.begin(), depends.end(),
                                 [&](const QString& d) { return d.startsWith(package); }),
                     qPrintable(package + QString(" missing from ") + depends.join(", ")));
        }
    }
};

QTEST_GUILESS_MAIN(PackagingTest)
#include "packaging_test.moc"
