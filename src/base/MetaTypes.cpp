#include "base/MetaTypes.h"

// Header-only typedefs: this adds no link dependency on the index.
#include "base/IndexTypes.h"

#include <QMetaType>
#include <QString>

#include <list>

void registerMetaTypes()
{
    // Qt knows std::list as a sequential container, so this also registers
    // the converter that lets a QVariant holding one be iterated.
    qRegisterMetaType<std::list<QString>>("std::list<QString>");
    qRegisterMetaType<JournalID>("JournalID");
    qRegisterMetaType<FRN>("FRN");
    // The real type, not a 16-bit stand-in: a queued wchar_t argument (a
    // drive letter) is copied as the type registered under its name, so the
    // two must agree in size. On Linux it is 32 bits wide.
    qRegisterMetaType<wchar_t>("wchar_t");
    qRegisterMetaType<USN>("USN");
    // FileSearchRequest::Id is a qint32; the name is what queued calls look up.
    qRegisterMetaType<qint32>("FileSearchRequest::Id");
}
