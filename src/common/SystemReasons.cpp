#include "SystemReasons.h"

#include <cerrno>

using namespace Qt::StringLiterals;

namespace kl {

namespace {

struct Reason {
    int errnum;
    const char16_t* text;
};

constexpr Reason kReasons[] = {
    {ENOENT, u"そのようなファイルやディレクトリはありません"},
    {ENOTDIR, u"パスの途中にディレクトリではないものがあります"},
    {EISDIR, u"ディレクトリです"},
    {EACCES, u"アクセスが許可されていません"},
    {EPERM, u"操作が許可されていません"},
    {EROFS, u"読み取り専用のファイルシステムです"},
    {ENOSPC, u"ディスクの空き容量が足りません"},
    {EDQUOT, u"ディスクの使用量が上限に達しました"},
    {EFBIG, u"ファイルが大きすぎます"},
    {ENAMETOOLONG, u"ファイル名が長すぎます"},
    {ELOOP, u"シンボリックリンクの階層が多すぎます"},
    {EIO, u"入出力エラーが発生しました"},
    {EBUSY, u"ファイルが使用中です"},
    {ETXTBSY, u"実行中のプログラムのファイルです"},
    {EEXIST, u"ファイルが既に存在します"},
    {EINVAL, u"ファイル名またはパスが正しくありません"},
    {EMFILE, u"開いているファイルが多すぎます"},
    {ENFILE, u"システム全体で開いているファイルが多すぎます"},
    {ENOMEM, u"メモリが足りません"},
    {ENXIO, u"デバイスがありません"},
    {ENODEV, u"デバイスがありません"},
    {ESTALE, u"ファイルがネットワーク上で見つからなくなりました"},
    {EXDEV, u"別のファイルシステムへは移せません"},
};

} // namespace

QString systemReason(int errnum) {
    for (const Reason& r : kReasons) {
        if (r.errnum == errnum) {
            return QString::fromUtf16(r.text);
        }
    }
    return u"システムエラー（エラー番号 %1）"_s.arg(errnum);
}

QString systemReason(const QString& qtReason) {
    // Qt writes the system's reason as qt_error_string() gives it at that moment, so the same call
    // recognises it here. Every error number is tried, so that no reason of the system's is left in its
    // own language.
    constexpr int kErrnoBound = 256;
    for (int errnum = 1; errnum < kErrnoBound; ++errnum) {
        if (qtReason == qt_error_string(errnum)) {
            return systemReason(errnum);
        }
    }
    return qtReason;
}

} // namespace kl
