#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// What the new-style editor holds at the moment of generation.
struct NewStyleMenu {
    QString title;
    QString command;
    QString accessFlag;
    QStringList items;
};

// What the old-style windows hold at the moment of generation; `menuString` is the coloured
// text already encoded with its colour and line codes.
struct OldStyleMenu {
    QString handledKeys;
    QString menuName;
    QString command;
    QString accessFlag;
    QString menuString;
};

// Reads the editors' current contents. Generation asks only for the kind it produces.
class MenuInputs {
public:
    virtual ~MenuInputs() = default;
    virtual NewStyleMenu newStyleMenu() const = 0;
    virtual OldStyleMenu oldStyleMenu() const = 0;
};

}  // namespace orvane
