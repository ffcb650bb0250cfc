#pragma once

#include "frame/errorlog.h"
#include "tests/support/scripted_services.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <ostream>
#include <vector>

namespace pattaro::testing {

// A test whose error log writes into a temporary folder and whose reports
// are answered by the scripted message box and read back from it.
class LoggedTest : public ::testing::Test {
protected:
    LoggedTest()
    {
        scripted.appInfo.path = folder.path();
        scripted.appInfo.stateFolder = folder.path();
    }

    struct Report {
        QString number;
        QString description;
        QString operation;
        friend bool operator==(const Report&, const Report&) = default;
        friend std::ostream& operator<<(std::ostream& out, const Report& r)
        {
            return out << r.number.toStdString() << " '" << r.description.toStdString() << "' in "
                       << r.operation.toStdString();
        }
    };

    std::vector<Report> reports() const
    {
        std::vector<Report> out;
        for (const auto& box : scripted.messageBox.shown) {
            Report report;
            for (const QString& line : box.text.split(QStringLiteral("\r\n"))) {
                if (line.startsWith(QStringLiteral("Error occured: ")))
                    report.number = line.mid(15);
                else if (line.startsWith(QStringLiteral("描述: ")))
                    report.description = line.mid(4);
                else if (line.startsWith(QStringLiteral("函数: ")))
                    report.operation = line.mid(4);
            }
            out.push_back(report);
        }
        return out;
    }

    QTemporaryDir folder;
    ScriptedServices scripted;
    ErrorLog log{scripted.services()};
};

} // namespace pattaro::testing
