#include "ProgramFileName.h"

#include <QCoreApplication>
#include <QFileInfo>

QString programFileName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }
