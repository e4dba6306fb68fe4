// The installed program: installed to a prefix of its own, started there offscreen with a fresh
// settings folder (and after the prefix has moved), its desktop entry, metainfo and manual page
// checked by the desktop's own tools, and the Debian package's contents.
#include "common/resourcestring.h"
#include "common/translations.h"
#include "version.h"

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QLibrary>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <csignal>
#include <functional>

using namespace tessel;

namespace {

const QString appId = QString::fromUtf8(version::appId);

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
        const QString& folder = {})
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// What the program said of itself at start-up, and what it wrote to its settings on the way
// out.
struct Started
{
    bool ended = false;
    int exitCode = -1;
    QString dataFolder;
    QString soundModule;
    QStringList boards; // "PATH|W x H|board N x N|blocks K", one per report
    QString settings;
    QString errors;
};

// Starts the program offscreen with a settings folder of its own and its start-up log on, and
// ends it as the system does (a termination signal, held back until it watches for one), which
// writes its settings.
Started start(const QString& program, const QStringList& arguments, const QString& folder = {})
{
    QTemporaryDir config;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tessel.*.debug=true"));
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.setChildProcessModifier([] {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &set, nullptr);
    });
    Started started;
    process.start(program, arguments);
    if (!process.waitForStarted(60000))
        return started;
    ::kill(pid_t(process.processId()), SIGTERM);
    started.ended = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    started.exitCode = process.exitCode();
    started.errors = QString::fromLocal8Bit(process.readAllStandardError());
    static const QRegularExpression board(QStringLiteral(
        "^tessel.startup: photo (.*) (\\d+ x \\d+) board (\\d x \\d) blocks shown (\\d+)$"));
    for (const QString& line : started.errors.split(u'\n')) {
        if (line.startsWith(QLatin1String("tessel.startup: data folder ")))
            started.dataFolder = line.section(u' ', 3);
        else if (line.startsWith(QLatin1String("tessel.startup: sound module ")))
            started.soundModule = line.section(u' ', 3);
        else if (const QRegularExpressionMatch m = board.match(line); m.hasMatch())
            started.boards << m.captured(1) + u'|' + m.captured(2) + QStringLiteral("|board ")
                    + m.captured(3) + QStringLiteral("|blocks ") + m.captured(4);
    }
    QFile settings(QDir(config.path()).filePath(QStringLiteral("Velkor/Tessel.ini")));
    if (settings.open(QIODevice::ReadOnly))
        started.settings = QString::fromUtf8(settings.readAll());
    return started;
}

QString sizeText(const QString& picture)
{
    const QSize size = QImageReader(picture).size();
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

// The one file of that name in the tree, or empty.
QString findOne(const QString& root, const QString& name)
{
    QStringList found;
    QDirIterator it(root, { name }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found.size() == 1 ? found.first() : QString();
}

// A manual page's roff source, from its compressed file.
QString manualPageSource(const QString& page)
{
    const Run text = run(tool("gzip"), { QStringLiteral("-dc"), page });
    return text.exitCode == 0 ? text.out : QString();
}

// groff on a page's source: what it prints, and its warnings in `errors`.
QString groff(const QString& source, const QStringList& options, QString* errors = nullptr)
{
    QProcess render;
    render.start(tool("groff"),
                 QStringList { QStringLiteral("-k"), QStringLiteral("-man") } + options);
    render.write(source.toUtf8());
    render.closeWriteChannel();
    if (!render.waitForFinished(60000))
        return QString();
    if (errors)
        *errors = QString::fromUtf8(render.readAllStandardError());
    return QString::fromUtf8(render.readAllStandardOutput());
}

// The page as plain ASCII text, one line a paragraph, so that a path reads as written.
QString manualPageText(const QString& page)
{
    return groff(
        manualPageSource(page),
        { QStringLiteral("-Tascii"), QStringLiteral("-rLL=4000n"), QStringLiteral("-P-cbou") });
}

// The access key a caption marks with "&", as "Alt+K"; empty without one.
QString accessKeyOf(const QString& caption)
{
    const qsizetype amp = caption.indexOf(u'&');
    if (amp < 0 || amp + 1 >= caption.size() || caption.at(amp + 1) == u'&')
        return QString();
    return QStringLiteral("Alt+") + caption.at(amp + 1).toUpper();
}

// A manual page in `language` ("" English): renders without a warning, names both options and
// every access key of the windows in that language, and every absolute path it names exists in
// its tree (`inTree` maps a path the page names to where that tree is now).
void verifyManualPage(const QString& page, const QString& language,
                      const std::function<QString(const QString&)>& inTree)
{
    const QString source = manualPageSource(page);
    QVERIFY(source.startsWith(QLatin1String(".TH TESSEL 6 ")));
    QVERIFY(source.section(u'\n', 0, 0)
                .contains(QStringLiteral("\"Tessel ") + QString::fromUtf8(version::text) + u'"'));
    QVERIFY2(!tool("groff").isEmpty(), "groff (groff-base) is needed");
    QString errors;
    groff(source, { QStringLiteral("-ww"), QStringLiteral("-z"), QStringLiteral("-Tutf8") },
          &errors);
    QCOMPARE(errors, QString());

    for (const char* option : { "\\-\\-help", "\\-\\-version" })
        QVERIFY2(source.contains(QLatin1String(option)), option);
    QVERIFY(useLanguage(language));
    for (const StringEntry& entry : stringTable()) {
        const QString caption = ResourceString(entry.id);
        const QString key = accessKeyOf(caption);
        if (!key.isEmpty())
            QVERIFY2(source.contains(key), qPrintable(key + QStringLiteral(" for ") + caption));
    }
    useLanguage(QString());

    static const QRegularExpression path(QStringLiteral("(?:^|\\s)(/[^\\s,;()]+)"));
    const QString text = manualPageText(page);
    int paths = 0;
    for (const QRegularExpressionMatch& m : path.globalMatch(text)) {
        ++paths;
        QVERIFY2(QFileInfo::exists(inTree(m.captured(1))), qPrintable(m.captured(1)));
    }
    QCOMPARE(paths, 3); // the default photo and the solver's two tables
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_prefix;

    QString installed(const QString& relative) const { return QDir(m_prefix).filePath(relative); }
    QString program() const { return installed(QStringLiteral("bin/tessel")); }

    // The program in the tree at `prefix` (in `programFolder`, bin or games) starts with the
    // default photo of that tree on a 3 x 3 board, and names the sound module of that tree,
    // which loads.
    static void verifyStartsFromItsTree(const QString& prefix,
                                        const QString& programFolder = QStringLiteral("bin"))
    {
        const QString tessel = QDir(prefix).filePath(programFolder + QStringLiteral("/tessel"));
        const QString photo = findOne(prefix, QStringLiteral("Sample-1.jpg"));
        const QString module = findOne(prefix, QStringLiteral("*tessel_sound*"));
        QVERIFY(!photo.isEmpty() && !module.isEmpty());
        // The program's own folders, not the folder of the executable.
        QVERIFY(QFileInfo(photo).path() != QFileInfo(tessel).path());
        QVERIFY(QFileInfo(module).path() != QFileInfo(tessel).path());

        const Started started = start(tessel, {});
        QVERIFY2(started.ended, qPrintable(started.errors));
        QCOMPARE(started.exitCode, 0);
        QCOMPARE(started.dataFolder, QFileInfo(photo).path() + u'/');
        QCOMPARE(started.soundModule, module);
        QCOMPARE(started.boards,
                 QStringList { photo + u'|' + sizeText(photo)
                               + QStringLiteral("|board 3 x 3|blocks 9") });
        QVERIFY2(started.settings.contains(QStringLiteral("\nSon Fotograf=") + photo + u'\n'),
                 qPrintable(started.settings));
        // The module named is the audio layer: it loads and offers its entry.
        QLibrary library(started.soundModule);
        QVERIFY2(library.resolve("tessel_create_pcm_output"), qPrintable(library.errorString()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_prefix = QDir(m_root.path()).filePath(QStringLiteral("usr"));
        const Run install = run(QStringLiteral(TESSEL_CMAKE),
                                { QStringLiteral("--install"), QStringLiteral(TESSEL_BUILD_DIR),
                                  QStringLiteral("--prefix"), m_prefix });
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
    }

    void theInstalledTree()
    {
        QVERIFY(QFileInfo(program()).isExecutable());
        // The build's name stays in the build folder.
        QVERIFY(!QFile::exists(installed(QStringLiteral("bin/Tessel"))));
        for (const QString& file :
             { QStringLiteral("share/tessel/Sample-1.jpg"),
               QStringLiteral("share/tessel/tessel-4x4.tables"),
               QStringLiteral("share/tessel/tessel-5x5.tables"),
               QStringLiteral("share/applications/") + appId + QStringLiteral(".desktop"),
               QStringLiteral("share/metainfo/") + appId + QStringLiteral(".metainfo.xml"),
               QStringLiteral("share/icons/hicolor/scalable/apps/") + appId
                   + QStringLiteral(".svg"),
               QStringLiteral("share/icons/hicolor/16x16/apps/") + appId + QStringLiteral(".png"),
               QStringLiteral("share/icons/hicolor/256x256/apps/") + appId + QStringLiteral(".png"),
               QStringLiteral("share/man/man6/tessel.6.gz"),
               QStringLiteral("share/man/de/man6/tessel.6.gz"),
               QStringLiteral("share/man/tr/man6/tessel.6.gz") })
            QVERIFY2(QFile::exists(installed(file)), qPrintable(file));
        QVERIFY(!findOne(m_prefix, QStringLiteral("*tessel_sound*")).isEmpty());
        // Debian's games layout and documents are the package's alone.
        QVERIFY(!QFile::exists(installed(QStringLiteral("games"))));
        QVERIFY(!QFile::exists(installed(QStringLiteral("share/doc"))));
    }

    void theInstalledProgramStartsWithTheDefaultPhoto() { verifyStartsFromItsTree(m_prefix); }

    void aMovedTreeStillFindsItsFiles()
    {
        const QString moved = QDir(m_root.path()).filePath(QStringLiteral("elsewhere/usr"));
        QVERIFY(QDir().mkpath(QFileInfo(moved).path()));
        QVERIFY(QDir().rename(m_prefix, moved));
        verifyStartsFromItsTree(moved);
        QVERIFY(QDir().rename(moved, m_prefix));
    }

    // As a photo chosen with OK: the photo, divided, and kept as the last photo.
    void aPhotoOnTheCommandLine_data()
    {
        QTest::addColumn<bool>("relative");
        QTest::newRow("full path") << false;
        QTest::newRow("relative to the current folder") << true;
    }

    void aPhotoOnTheCommandLine()
    {
        QFETCH(bool, relative);
        const QString photo = QDir(m_root.path()).filePath(QStringLiteral("My photo.jpg"));
        QImage image(320, 200, QImage::Format_RGB32);
        image.fill(QColor(30, 120, 200));
        QVERIFY(image.save(photo, "JPG"));
        const Started started = start(
            program(), { relative ? QStringLiteral("My photo.jpg") : photo }, m_root.path());
        QVERIFY2(started.ended, qPrintable(started.errors));
        QCOMPARE(started.exitCode, 0);
        QCOMPARE(started.boards.size(), 2);
        QCOMPARE(started.boards.last(), photo + QStringLiteral("|320 x 200|board 3 x 3|blocks 9"));
        QVERIFY2(started.settings.contains(QStringLiteral("\nSon Fotograf=") + photo + u'\n'),
                 qPrintable(started.settings));
    }

    // The window opens, the program's report stands over it, and the photo it had stays.
    void aMissingPhotoOnTheCommandLine()
    {
        const Started started = start(program(), { QStringLiteral("/nowhere/gone.jpg") });
        QVERIFY2(started.ended, qPrintable(started.errors));
        QCOMPARE(started.exitCode, 0);
        const QString sample = installed(QStringLiteral("share/tessel/Sample-1.jpg"));
        QCOMPARE(started.boards.size(), 1);
        QVERIFY(started.boards.first().startsWith(sample + u'|'));
        QVERIFY2(started.settings.contains(QStringLiteral("\nSon Fotograf=") + sample + u'\n'),
                 qPrintable(started.settings));
    }

    void versionWithoutADisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            environment.remove(QString::fromLatin1(name));
        const Run version = run(program(), { QStringLiteral("--version") }, environment);
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QStringLiteral("Tessel ") + QString::fromUtf8(version::text) + u'\n');
    }

    void theDesktopEntry()
    {
        const QString entry
            = installed(QStringLiteral("share/applications/") + appId + QStringLiteral(".desktop"));
        const QString validate = tool("desktop-file-validate");
        QVERIFY2(!validate.isEmpty(), "desktop-file-validate (desktop-file-utils) is needed");
        const Run check = run(validate, { entry });
        QVERIFY2(check.exitCode == 0 && check.out.isEmpty() && check.err.isEmpty(),
                 qPrintable(check.out + check.err));
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (const QString& line :
             { QStringLiteral("Exec=tessel %f"), QStringLiteral("Icon=") + appId,
               QStringLiteral("Categories=Game;LogicGame;"),
               QStringLiteral("MimeType=image/jpeg;image/bmp;image/png;image/gif;"),
               QStringLiteral("GenericName[de]=Foto-Schiebepuzzle"),
               QStringLiteral("GenericName[tr]=Fotoğraf Kaydırma Yapbozu") })
            QVERIFY2(lines.contains(line), qPrintable(line));
        for (const char* key : { "Name=", "GenericName=", "Comment=", "Keywords=" })
            QVERIFY(lines.filter(QRegularExpression(u'^' + QString::fromLatin1(key))).size() == 1);
        // The comment and keywords in German and Turkish, from the translation files.
        for (const char* key : { "Comment", "Keywords" }) {
            for (const char* language : { "de", "tr" }) {
                const QString prefix
                    = QStringLiteral("%1[%2]=").arg(QLatin1String(key), QLatin1String(language));
                QVERIFY2(lines.filter(QRegularExpression(u'^' + QRegularExpression::escape(prefix)))
                                 .size()
                             == 1,
                         qPrintable(prefix));
            }
        }
        // What the game offers beyond the board is found by its name.
        const QString keywords
            = lines.filter(QRegularExpression(QStringLiteral("^Keywords="))).value(0);
        for (const char* word : { ";hint;", ";best results;", ";undo;", ";keyboard;" })
            QVERIFY2(keywords.contains(QLatin1String(word)), word);
        const QString german
            = lines.filter(QRegularExpression(QStringLiteral("^Keywords\\[de\\]="))).value(0);
        for (const char* word : { ";Tipp;", ";Bestleistungen;", ";Tastatur;" })
            QVERIFY2(german.contains(QString::fromUtf8(word)), word);
    }

    // Valid for software centres with and without the network (no address that does not
    // answer), in three languages, saying what the game offers and that a keyboard plays it.
    void theMetainfo()
    {
        const QString metainfo = installed(QStringLiteral("share/metainfo/") + appId
                                           + QStringLiteral(".metainfo.xml"));
        const QString appstream = tool("appstreamcli");
        QVERIFY2(!appstream.isEmpty(), "appstreamcli (appstream) is needed");
        for (const QStringList& options :
             { QStringList { QStringLiteral("--no-net") }, QStringList {} }) {
            const Run check
                = run(appstream,
                      QStringList { QStringLiteral("validate"), QStringLiteral("--pedantic") }
                          + options + QStringList { metainfo });
            QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
            // What remains is about the build setting TESSEL_APP_ID's placeholder domain.
            static const QRegularExpression finding(QStringLiteral("^[EWIP]: .*$"),
                                                    QRegularExpression::MultilineOption);
            for (const QRegularExpressionMatch& m : finding.globalMatch(check.out))
                QVERIFY2(m.captured().contains(QLatin1String(" cid-")), qPrintable(m.captured()));
        }

        QFile file(metainfo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QMap<QString, QString> found;
        QMap<QString, QStringList> english; // element -> its texts without xml:lang
        QMap<QString, int> translated; // "element/language" -> count
        QStringList controls;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QString name = xml.name().toString();
            const QString language = xml.attributes().value(QStringLiteral("xml:lang")).toString();
            if (name == QLatin1String("release"))
                found[name] = xml.attributes().value(QStringLiteral("version")).toString();
            else if (name == QLatin1String("id") || name == QLatin1String("launchable")
                     || name == QLatin1String("binary") || name == QLatin1String("url")
                     || name == QLatin1String("screenshots"))
                found[name] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            else if (name == QLatin1String("control"))
                controls << xml.readElementText();
            else if (name == QLatin1String("summary") || name == QLatin1String("p")
                     || name == QLatin1String("li") || name == QLatin1String("keyword")) {
                const QString text = xml.readElementText();
                if (language.isEmpty())
                    english[name] << text;
                else
                    ++translated[name + u'/' + language];
            }
        }
        QVERIFY(!xml.hasError());
        QCOMPARE(found.value(QStringLiteral("id")), appId);
        QCOMPARE(found.value(QStringLiteral("release")), QString::fromUtf8(version::text));
        QVERIFY(QFile::exists(installed(QStringLiteral("share/applications/")
                                        + found.value(QStringLiteral("launchable")))));
        QVERIFY(QFileInfo(installed(QStringLiteral("bin/") + found.value(QStringLiteral("binary"))))
                    .isExecutable());
        // No published address was configured: none is named.
        QVERIFY(!found.contains(QStringLiteral("url")));
        QVERIFY(!found.contains(QStringLiteral("screenshots")));
        QCOMPARE(controls, (QStringList { "pointing", "keyboard" }));
        // Every text people read comes in German and Turkish as well.
        for (const char* element : { "summary", "p", "li", "keyword" }) {
            const QString name = QString::fromLatin1(element);
            QVERIFY(!english.value(name).isEmpty());
            for (const char* language : { "de", "tr" })
                QCOMPARE(translated.value(name + u'/' + QLatin1String(language)),
                         english.value(name).size());
        }
        const QString items = english.value(QStringLiteral("li")).join(u'\n');
        for (const char* offer :
             { "hint", "shortest solution", "Best results", "undone", "keyboard" })
            QVERIFY2(items.contains(QLatin1String(offer)), offer);
        for (const char* keyword : { "hint", "best results", "undo", "keyboard" })
            QVERIFY2(english.value(QStringLiteral("keyword")).contains(QLatin1String(keyword)),
                     keyword);
    }

    // In every language: it renders without a warning, names every option of the help and
    // every access key of the windows' texts of that language, and the folders it names are
    // those of the tree it was installed with.
    void theManualPages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("English") << ""
                                 << "share/man/man6/tessel.6.gz";
        QTest::newRow("German") << "de"
                                << "share/man/de/man6/tessel.6.gz";
        QTest::newRow("Turkish") << "tr"
                                 << "share/man/tr/man6/tessel.6.gz";
    }

    void theManualPages()
    {
        QFETCH(QString, language);
        QFETCH(QString, page);
        verifyManualPage(installed(page), language, [](const QString& path) { return path; });
        if (QTest::currentTestFailed())
            return;
        // The folder of this tree, not the one the build was configured for.
        const QString text = manualPageText(installed(page));
        QVERIFY2(text.contains(installed(QStringLiteral("share/tessel/Sample-1.jpg"))),
                 qPrintable(text));
    }

    // The package holds the installed tree under /usr in Debian's layout for games, declares
    // what it needs, runs where it is unpacked, and lintian finds nothing to say.
    void theDebianPackage()
    {
        for (const char* needed : { "dpkg-deb", "dpkg-shlibdeps", "file" })
            QVERIFY2(!tool(needed).isEmpty(), needed);
        const QString folder = QDir(m_root.path()).filePath(QStringLiteral("package"));
        const Run cpack = run(QStringLiteral(TESSEL_CPACK),
                              { QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"),
                                folder, QStringLiteral("--config"),
                                QStringLiteral(TESSEL_BUILD_DIR "/CPackConfig.cmake") });
        QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.out + cpack.err));
        const QStringList debs = QDir(folder).entryList({ QStringLiteral("tessel_*.deb") });
        QCOMPARE(debs.size(), 1);
        const QString deb = QDir(folder).filePath(debs.first());
        QVERIFY(debs.first().startsWith(QStringLiteral("tessel_") + QString::fromUtf8(version::text)
                                        + u'_'));

        const Run contents = run(tool("dpkg-deb"), { QStringLiteral("-c"), deb });
        QCOMPARE(contents.exitCode, 0);
        for (const QString& file :
             { QStringLiteral("./usr/games/tessel"),
               QStringLiteral("./usr/lib/tessel/libtessel_sound.so"),
               QStringLiteral("./usr/share/tessel/Sample-1.jpg"),
               QStringLiteral("./usr/share/applications/") + appId + QStringLiteral(".desktop"),
               QStringLiteral("./usr/share/metainfo/") + appId + QStringLiteral(".metainfo.xml"),
               QStringLiteral("./usr/share/icons/hicolor/scalable/apps/") + appId,
               QStringLiteral("./usr/share/icons/hicolor/48x48/apps/") + appId,
               QStringLiteral("./usr/share/man/man6/tessel.6.gz"),
               QStringLiteral("./usr/share/man/de/man6/tessel.6.gz"),
               QStringLiteral("./usr/share/man/tr/man6/tessel.6.gz"),
               QStringLiteral("./usr/share/doc/tessel/copyright"),
               QStringLiteral("./usr/share/doc/tessel/changelog.gz") })
            QVERIFY2(contents.out.contains(file), qPrintable(file));
        QVERIFY(!contents.out.contains(QLatin1String("./usr/bin/")));

        const Run info = run(tool("dpkg-deb"), { QStringLiteral("-I"), deb });
        QCOMPARE(info.exitCode, 0);
        for (const char* field : { " Package: tessel\n", " Section: games\n" })
            QVERIFY2(info.out.contains(QLatin1String(field)), field);
        QVERIFY(info.out.contains(QStringLiteral(" Version: ") + QString::fromUtf8(version::text)
                                  + u'\n'));
        QVERIFY(info.out.contains(QStringLiteral(" Maintainer: Velkor <")));
        // No maintainer scripts: the sound module is no library for ldconfig.
        for (const char* script : { "postinst", "postrm", "triggers" })
            QVERIFY2(!info.out.contains(QLatin1String(script)), qPrintable(info.out));
        const QString depends
            = info.out.section(QStringLiteral(" Depends: "), 1).section(u'\n', 0, 0);
        for (const char* package : { "libqt6core6", "libqt6gui6", "libqt6widgets6",
                                     "libqt6multimedia6", "fonts-liberation", "libc6" })
            QVERIFY2(depends.contains(QLatin1String(package)), qPrintable(depends));

        const QString unpacked = QDir(m_root.path()).filePath(QStringLiteral("unpacked"));
        const Run extract = run(tool("dpkg-deb"), { QStringLiteral("-x"), deb, unpacked });
        QCOMPARE(extract.exitCode, 0);
        verifyStartsFromItsTree(QDir(unpacked).filePath(QStringLiteral("usr")),
                                QStringLiteral("games"));
        if (QTest::currentTestFailed())
            return;

        // The pages name /usr/share/tessel, where the package puts the files.
        for (const auto& [language, page] :
             { std::pair { "", "usr/share/man/man6/tessel.6.gz" },
               std::pair { "de", "usr/share/man/de/man6/tessel.6.gz" },
               std::pair { "tr", "usr/share/man/tr/man6/tessel.6.gz" } }) {
            const QString file = QDir(unpacked).filePath(QLatin1String(page));
            verifyManualPage(file, QLatin1String(language),
                             [&](const QString& path) { return unpacked + path; });
            if (QTest::currentTestFailed())
                return;
            QVERIFY(manualPageText(file).contains(QLatin1String("/usr/share/tessel/Sample-1.jpg")));
        }

        // Where lintian is (make deps installs it): no error, no warning, and of its
        // informations only two: the solver's tables (14 MB, written in the machine's byte
        // order) in /usr/share, and sources compiled without _FORTIFY_SOURCE.
        const QString lintian = tool("lintian");
        if (lintian.isEmpty())
            QSKIP("lintian is not installed; the package's contents were checked");
        const Run lint = run(lintian,
                             { QStringLiteral("--display-info"),
                               QStringLiteral("--tag-display-limit"), QStringLiteral("0"), deb });
        QVERIFY2(lint.exitCode == 0, qPrintable(lint.out + lint.err));
        static const QRegularExpression accepted(QStringLiteral(
            "^I: tessel: (arch-dep-package-has-big-usr-share \\d+kB \\d+%|"
            "hardening-no-fortify-functions \\[usr/(games/tessel|lib/tessel/[^]]+)\\])$"));
        for (const QString& line : lint.out.split(u'\n', Qt::SkipEmptyParts))
            QVERIFY2(accepted.match(line).hasMatch(), qPrintable(lint.out));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
