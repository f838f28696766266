#pragma once
// Shared by the tests of the shipped pictures and help pages: the application
// object that picture decoding and QIcon need, and the source resources folder.

#include <QGuiApplication>
#include <QString>

// Creates the application once; QIcon and the picture plugins need it.
inline QGuiApplication &PicturesTestApp()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pictures_tests";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

// The resources folder of the source tree, whose files the build stages
// (ctest sets KORVEL_SOURCE_DIR; from elsewhere, set it to the repository root).
inline QString ResourcesDir()
{
    return qEnvironmentVariable("KORVEL_SOURCE_DIR", ".") + "/resources";
}
