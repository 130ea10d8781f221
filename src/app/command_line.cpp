#include "command_line.h"

#include "version.h"

#include <cstdio>

namespace {

// Options the application object takes itself, with a value in the next argument unless
// given as "-name=value".
const QStringList kQtValueOptions = {QStringLiteral("platform"),
                                     QStringLiteral("platformpluginpath"),
                                     QStringLiteral("platformtheme"),
                                     QStringLiteral("plugin"),
                                     QStringLiteral("qwindowgeometry"),
                                     QStringLiteral("geometry"),
                                     QStringLiteral("qwindowicon"),
                                     QStringLiteral("icon"),
                                     QStringLiteral("qwindowtitle"),
                                     QStringLiteral("title"),
                                     QStringLiteral("session"),
                                     QStringLiteral("display"),
                                     QStringLiteral("name"),
                                     QStringLiteral("style"),
                                     QStringLiteral("stylesheet")};
const QStringList kQtFlagOptions = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                    QStringLiteral("nograb"),  QStringLiteral("dograb"),
                                    QStringLiteral("sync"),    QStringLiteral("testability")};

// The name of a Qt option written "-name" or "--name" (with or without "=value").
QString qt_option_name(const QString& argument)
{
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    return equals < 0 ? name : name.left(equals);
}

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

CommandLineRequest parse_command_line(const QStringList& arguments)
{
    CommandLineRequest request;
    bool help = false;
    bool version = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help")) {
            help = true;
        } else if (argument == QStringLiteral("-v") || argument == QStringLiteral("--version")) {
            version = true;
        } else if (argument == QStringLiteral("--desktop")) {
            request.desktop = true;
        } else if (argument.startsWith(QLatin1Char('-')) && kQtFlagOptions.contains(qt_option_name(argument))
                   && !argument.contains(QLatin1Char('='))) {
            continue;
        } else if (argument.startsWith(QLatin1Char('-'))
                   && kQtValueOptions.contains(qt_option_name(argument))) {
            if (!argument.contains(QLatin1Char('=')))
                ++i; // its value
        } else {
            request.action = CommandAction::Refuse;
            request.refused_argument = argument;
            return request;
        }
    }
    if (help)
        request.action = CommandAction::Help;
    else if (version)
        request.action = CommandAction::Version;
    return request;
}

QString usage_text()
{
    return QStringLiteral(
        "使い方: ravufiler [オプション]\n"
        "\n"
        "曲ファイル (.txt, .rav) を選んでプレイヤーで演奏し、アルバム (.alb) にまとめます。\n"
        "設定ファイル ravfiler.ini などは起動したときのフォルダに置きます。\n"
        "\n"
        "オプション:\n"
        "  --desktop      デスクトップのメニューから起動したときの動作: ファイルを\n"
        "                 $XDG_CONFIG_HOME/ravufiler (未設定なら ~/.config/ravufiler) に置き、\n"
        "                 前回のフォルダが記憶されていなければホームフォルダを開きます\n"
        "  -h, --help     この説明を表示して終了します\n"
        "  -v, --version  バージョンを表示して終了します\n");
}

QString version_text()
{
    return QStringLiteral("Ravu Filer %1.%2%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

int answer_command_line(const CommandLineRequest& request)
{
    switch (request.action) {
    case CommandAction::Help:
        print(stdout, usage_text());
        return 0;
    case CommandAction::Version:
        print(stdout, version_text() + QLatin1Char('\n'));
        return 0;
    case CommandAction::Refuse:
        print(stderr, QStringLiteral("ravufiler: 使えない引数です: %1\n\n").arg(request.refused_argument)
                          + usage_text());
        return 2;
    case CommandAction::Run:
        break;
    }
    return 0;
}
