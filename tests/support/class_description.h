#pragma once

// Checks of a class description against the table of its operations: names, order and
// signatures, as the framework finds them by name.

#include "framework/menus.h"
#include "framework/signature.h"

#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace fw {
class Window;
}

namespace testsupport {

struct Operation {
    const char* name;
    fw::Signature signature;
};

template <typename Function>
Operation op(const char* name)
{
    return Operation{name, fw::signatureFor<Function>()};
}

// Window's operations in Window's order, and Application's in Application's: the head
// of every window class's and of the application class's table.
const std::vector<Operation>& windowOperations();
const std::vector<Operation>& applicationOperations();

// Expects the class's table of operations to be the inherited ones, then its own, each
// in its order with its signature; each found by name as that very operation (an own
// one never takes an inherited one's name); and Qt's internals found by no name.
void expectOperations(const QObject* object, const std::vector<Operation>& inherited,
                      const std::vector<Operation>& own);

// The arguments of a call by name and, where the test knows it, its result.
struct Call {
    QVariantList arguments;
    std::optional<QVariant> result;
};

// Calls each operation of the table by name, with the arguments that calls gives it
// (none otherwise), but CreateControls and its halves, which the framework called by
// name while it built the window. Checks the type of each result and its value where
// calls gives one; returns how many were called.
int callEachByName(QObject* object, const std::vector<Operation>& table, const std::map<QString, Call>& calls);

// The sixteen accessors of the shared menu bar's items, in the windows' declared order.
const std::vector<Operation>& menuItemAccessors();

// Expects the class's registered control list to be the layout's names and classes in
// order, each answered by name as the window's control of that name and class.
void expectControls(fw::Window* window, const QString& className, const std::vector<std::pair<QString, QString>>& layout);

// The class's event table as "Event=member" entries, in declared order.
QStringList eventTable(const QMetaObject* meta);

} // namespace testsupport
