// SPDX-License-Identifier: GPL-3.0-or-later
// korvane-cardart OUTPUT_DIR [--scale N]
// Draws every image the table uses and writes them as PNG into OUTPUT_DIR.
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include "cardart.h"

namespace {

struct Options {
    QString outputDir;
    qreal scale = 1;
    QString error;
};

Options parse(const QStringList& args) {
    Options options;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--scale") && i + 1 < args.size()) {
            bool ok = false;
            options.scale = args[++i].toDouble(&ok);
            if (!ok || options.scale <= 0) options.error = QStringLiteral("bad --scale value");
        } else if (options.outputDir.isEmpty() && !args[i].startsWith(QLatin1Char('-'))) {
            options.outputDir = args[i];
        } else {
            options.error = QStringLiteral("unexpected argument: ") + args[i];
        }
    }
    if (options.outputDir.isEmpty() && options.error.isEmpty()) {
        options.error = QStringLiteral("no output directory given");
    }
    return options;
}

int writeAll(const Options& options, QTextStream& out, QTextStream& err) {
    if (!QDir().mkpath(options.outputDir)) {
        err << "cannot create " << options.outputDir << Qt::endl;
        return 1;
    }
    const QDir dir(options.outputDir);
    int written = 0;
    int failed = 0;
    for (const auto& [name, image] : korvane::cardart::renderAll(options.scale)) {
        if (image.save(dir.filePath(name), "PNG")) {
            ++written;
        } else {
            ++failed;
            err << "cannot write " << dir.filePath(name) << Qt::endl;
        }
    }
    out << "wrote " << written << " images to " << dir.absolutePath() << Qt::endl;
    return failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application, but no screen: draw offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const Options options = parse(app.arguments());
    if (!options.error.isEmpty()) {
        err << options.error << "\nusage: korvane-cardart OUTPUT_DIR [--scale N]" << Qt::endl;
        return 2;
    }
    return writeAll(options, out, err);
}
