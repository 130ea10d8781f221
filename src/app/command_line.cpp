#include "command_line.h"

#include "version.h"

#include <QTextStream>

#include <cstdio>

namespace {

// UTF-8, flushed when the stream goes.
void print(std::FILE* stream, const QString& text) { QTextStream(stream) << text; }

// "Ravu Filer 2.00".
QString version_text()
{
    return QStringLiteral("Ravu Filer %1.%2%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

} // namespace

CommandLineRequest parse_command_line(const QStringList& arguments)
{
    CommandLineRequest request;
    bool help = false;
    bool version = false;
    bool options_end = false;
    for (const QString& argument : arguments) {
        const bool option = !options_end && argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
        if (option && (argument == QStringLiteral("-h") || argument == QStringLiteral("--help"))) {
            help = true;
        } else if (option && (argument == QStringLiteral("-v") || argument == QStringLiteral("--version"))) {
            version = true;
        } else if (option && argument == QStringLiteral("--desktop")) {
            request.desktop = true;
        } else if (option && argument == QStringLiteral("--")) {
            options_end = true; // a path that starts with "-" follows
        } else if (!option && request.path.isEmpty() && !argument.isEmpty()) {
            request.path = argument;
        } else if (request.refused_argument.isEmpty()) {
            request.refused_argument = argument;
        }
    }
    if (help)
        request.action = CommandAction::Help;
    else if (version)
        request.action = CommandAction::Version;
    else if (!request.refused_argument.isNull())
        request.action = CommandAction::Refuse;
    return request;
}

QString usage_text()
{
    return QStringLiteral(
        "使い方: ravufiler [オプション] [パス]\n"
        "\n"
        "曲ファイル (.txt, .rav) を選んでプレイヤーで演奏し、アルバム (.alb) にまとめます。\n"
        "設定ファイル ravfiler.ini などは起動したときのフォルダに置きます。\n"
        "\n"
        "パス:\n"
        "  フォルダ       そのフォルダを開きます\n"
        "  曲ファイル     そのフォルダを開き、曲を選びます (.txt, .rav)\n"
        "  アルバム       そのフォルダをアルバムモードで開き、アルバムを選びます (.alb)\n"
        "  ファイルマネージャーで .rav と .alb を開くプログラムとしても使えます。\n"
        "\n"
        "オプション:\n"
        "  --desktop      デスクトップのメニューから起動したときの動作: ファイルを\n"
        "                 $XDG_CONFIG_HOME/ravufiler (未設定なら ~/.config/ravufiler) に置き、\n"
        "                 前回のフォルダが記憶されていなければホームフォルダを開きます\n"
        "  -h, --help     この説明を表示して終了します\n"
        "  -v, --version  バージョンを表示して終了します\n");
}

int answer_command_line(const CommandLineRequest& request)
{
    if (request.action == CommandAction::Refuse) {
        print(stderr, QStringLiteral("ravufiler: 使えない引数です: %1\n\n").arg(request.refused_argument)
                          + usage_text());
        return 2;
    }
    if (request.action != CommandAction::Run)
        print(stdout,
              request.action == CommandAction::Help ? usage_text() : version_text() + QLatin1Char('\n'));
    return 0;
}
