// Texts the front ends share: the program's title, which every message box carries.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace kvt::frontend {

inline QString ProgramTitle() {
    return QCoreApplication::translate("Texts", "KVT-80 Laptop Interface Software");
}

}  // namespace kvt::frontend
