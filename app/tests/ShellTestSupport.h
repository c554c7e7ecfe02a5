#pragma once

// Shared pieces of the shell's Qt tests: the program folder pointed at the
// source tree's data (or at a changed copy of it), message boxes recorded
// instead of shown, and a test main that prepares the toolkit as the program
// does.

#include "Messages.h"
#include "Style.h"

#include "pelgo/ProgramFolder.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace pelgo::app::test {

inline std::string shippedData()
{
    return std::string(PELGO_SOURCE_DIR) + "/data";
}

// Records every message box for the length of a scope.
class MessageRecorder {
public:
    MessageRecorder()
    {
        setMessageHandler([this](const QString& text) { messages << text; });
    }
    ~MessageRecorder() { setMessageHandler({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList messages;
};

// A copy of the shipped data in a temporary folder, used as the program
// folder for the length of a scope; edit() changes one of its XML files.
class DataCopy {
public:
    DataCopy()
    {
        std::filesystem::copy(shippedData(), dir_.path().toStdString(), std::filesystem::copy_options::recursive);
        setProgramFolder(dir_.path().toStdString());
    }
    ~DataCopy() { setProgramFolder(shippedData()); }
    DataCopy(const DataCopy&) = delete;
    DataCopy& operator=(const DataCopy&) = delete;

    // Replaces the first occurrence of from by to in XML/<file>.
    bool edit(const std::string& file, const std::string& from, const std::string& to)
    {
        const std::string path = dir_.path().toStdString() + "/XML/" + file;
        std::ifstream in(path);
        std::stringstream content;
        content << in.rdbuf();
        std::string text = content.str();
        const auto at = text.find(from);
        if (at == std::string::npos)
            return false;
        text.replace(at, from.size(), to);
        std::ofstream(path, std::ios::trunc) << text;
        return true;
    }

private:
    QTemporaryDir dir_;
};

} // namespace pelgo::app::test

#define PELGO_SHELL_TEST_MAIN(TestClass)                                        \
    int main(int argc, char* argv[])                                            \
    {                                                                           \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);             \
        QApplication application(argc, argv);                                   \
        pelgo::setProgramFolder(pelgo::app::test::shippedData());               \
        pelgo::app::applyWizardStyle(application);                              \
        TestClass tests;                                                        \
        return QTest::qExec(&tests, argc, argv);                                \
    }
