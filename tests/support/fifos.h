#pragma once
// Special files for tests of what the program must not wait on or read without end.

#include <QFile>
#include <QtGlobal>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
// Makes a FIFO at path, failing the test when it cannot.
#define MAKE_FIFO_OR_SKIP(path) QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0)
#else
// Windows has no FIFOs in its file system: the test has nothing to check.
#define MAKE_FIFO_OR_SKIP(path) QSKIP("no FIFOs on this system")
#endif
