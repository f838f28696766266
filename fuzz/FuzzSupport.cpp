#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {
int g_argc = 1;
char g_name[] = "korvel-fuzz";
char *g_argv[] = {g_name, nullptr};
} // namespace

// The drawing pass needs fonts, which need a GUI application.
void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives to the end of the process, as the fuzzer never returns.
    new QGuiApplication(g_argc, g_argv);
}

// Readers without drawing need no more than the core application.
void EnsureCoreApplication()
{
    if (!QCoreApplication::instance())
        new QCoreApplication(g_argc, g_argv);
}

// One folder per process, so parallel fuzzers never share files.
QString ScratchDir()
{
    static QTemporaryDir dir(QStringLiteral("/tmp/korvel-fuzz-XXXXXX"));
    return dir.path();
}

// Plain writes: the reader under test is what is fuzzed, not the writer.
QString WriteScratchFile(const QString &name, const QByteArray &bytes)
{
    const QString path = ScratchDir() + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", qPrintable(path));
        std::abort();
    }
    file.write(bytes);
    file.close();
    return path;
}

// abort() is what libFuzzer records as a crash, with the input that caused it.
void Require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

} // namespace fuzz
