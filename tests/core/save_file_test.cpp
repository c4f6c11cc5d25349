#include "core/save_file.h"
#include "file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace oq {
namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no file)");
}

// A save either replaces the older file in full or leaves it as it was and gives the system's
// reason, also when the disk refuses the bytes only once they leave the buffer.
TEST(SaveFile, ReplacesTheOlderFileOrKeepsItAndSaysWhy) {
    const QByteArray older = "older list\r\n";
    struct Case {
        const char* what;
        std::optional<rlim_t> limit;
        qsizetype size;  // bytes to save
        bool folder;     // the folder is there
        int reasonErrno; // 0: saved
    };
    const Case cases[] = {
        {"saved over the older file", std::nullopt, 300, true, 0},
        {"a short list refused by a full disk", 0, 300, true, EFBIG},
        {"a long list refused by a full disk", 0, 1 << 20, true, EFBIG},
        {"a folder that is not there", std::nullopt, 300, false, ENOENT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path =
            c.folder ? dir.filePath("list.txt") : dir.filePath("no such folder/list.txt");
        if (c.folder) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(older);
        }
        const QByteArray bytes(c.size, 'n');
        const QString expected =
            c.reasonErrno ? QString::fromLocal8Bit(std::strerror(c.reasonErrno)) : QString();
        // 0: the answer expected, 1: saved though refused, 2: another reason, 3: refused.
        const int answer = InChildWithFileSizeLimit(c.limit, [&] {
            const QString reason = SaveFile(path, bytes);
            if (reason == expected)
                return 0;
            return reason.isEmpty() ? 1 : expected.isEmpty() ? 3 : 2;
        });
        EXPECT_EQ(answer, 0) << expected.toStdString();
        EXPECT_EQ(Contents(path), c.reasonErrno == 0 ? bytes
                                  : c.folder         ? older
                                                     : QByteArray("(no file)"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), c.folder ? 1 : 0)
            << "no half-written file is left beside it";
    }
}

} // namespace
} // namespace oq
