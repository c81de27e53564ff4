#include "BuildTree.h"
#include "PlotViews.h"

#include <QCoreApplication>
#include <QFile>

#include <dlfcn.h>

namespace {

// A program run from its build tree takes the module built with it; an installed one takes
// the installed module. Always by its full path: never one a search path happens to find.
QString ModulePath() {
    return InBuildTree(QCoreApplication::applicationDirPath(), QStringLiteral(LIMNASET_BUILD_DIR))
               ? QStringLiteral(LIMNASET_PLOT_BUILD_PATH)
               : QStringLiteral(LIMNASET_PLOT_INSTALL_PATH);
}

struct TModule {
    TLogPlotView* (*NewLogPlot)(QWidget*) = nullptr;
    TPlanPlotView* (*NewPlanTimeline)(QWidget*) = nullptr;
    QString Error;
};

// In the toolkit's words and language; held in variables so that they stay the toolkit's.
QString CannotLoad(const QString& path) {
    const char* context = "QLibrary";
    const char* text = "Cannot load library %1: %2";
    return QCoreApplication::translate(context, text).arg(path, QString::fromLocal8Bit(dlerror()));
}

const TModule& Module() {
    static const TModule module = [] {
        TModule m;
        const QString path = ModulePath();
        // Every symbol bound now: a module that does not fit this program fails here, with a
        // message, and not later in the middle of drawing. It stays loaded for the rest of the
        // run, as its plots live as long as their windows.
        void* library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            m.Error = CannotLoad(path);
            return m;
        }
        m.NewLogPlot =
            reinterpret_cast<decltype(m.NewLogPlot)>(dlsym(library, "LimnasetNewLogPlot"));
        m.NewPlanTimeline = reinterpret_cast<decltype(m.NewPlanTimeline)>(
            dlsym(library, "LimnasetNewPlanTimeline"));
        if (!m.NewLogPlot || !m.NewPlanTimeline) {
            m.Error = CannotLoad(path);
            m.NewLogPlot = nullptr;
            m.NewPlanTimeline = nullptr;
        }
        return m;
    }();
    return module;
}

} // namespace

namespace PlotModule {

TLogPlotView* NewLogPlot(QWidget* parent) {
    return Module().NewLogPlot ? Module().NewLogPlot(parent) : nullptr;
}

TPlanPlotView* NewPlanTimeline(QWidget* parent) {
    return Module().NewPlanTimeline ? Module().NewPlanTimeline(parent) : nullptr;
}

QString LoadError() {
    return Module().Error;
}

} // namespace PlotModule
