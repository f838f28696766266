#pragma once
// The six editions of the program: one executable, chosen by its file name.

#include <QString>
#include <vector>

enum EditionCode : int {
    EditionBrenno = 10, // postal payment slips
    EditionQuillo = 20,
    EditionDovrak = 30,
    EditionZerrat = 40,
    EditionMorvik = 50,
    EditionLusket = 60, // a name and a work folder, but no profile
};

struct Edition {
    int code;
    QString identifier;     // lower-case word used in file and folder names
    QString exeName;        // executable file name without ".exe"
    QString workFolderName; // folder under <common data>/korvel
    QString title;          // window title; empty: the initial title stays
    QString helpPage;       // offline help under ProgramDir; empty: none
    bool onlineHelp;
    QString defaultStyleFile; // under <work>/style; empty: none
};

// The title the application starts with, before an edition's profile replaces it.
QString InitialApplicationTitle();

// The edition table, in the order 10, 20, 30, 40, 50, 60.
const std::vector<Edition> &Editions();

// The row of a code; edition 10's row for an unknown code.
const Edition &EditionFor(int code);

// Compares the last path element of the name by which the program was started,
// exactly and case-sensitively, with the table's executable names (with or
// without ".exe"). Any other name runs as edition 10.
int EditionFromExeName(const QString &invokedName);
