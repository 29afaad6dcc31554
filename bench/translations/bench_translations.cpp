// What Translations::install costs at start-up: finding and loading the
// program's catalogue from the executable and Qt's from the system, for a
// language that has them and for one that has none (English stays).
#include "framework/translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <benchmark/benchmark.h>

namespace {

void install(benchmark::State &state, const char *language)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(Translations::install(*QCoreApplication::instance(), QLocale(QLatin1String(language))));
        state.PauseTiming();
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
        state.ResumeTiming();
    }
}

void BM_InstallGerman(benchmark::State &state) { install(state, "de"); }
void BM_InstallArabic(benchmark::State &state) { install(state, "ar"); }
void BM_InstallChinese(benchmark::State &state) { install(state, "zh_CN"); }
void BM_InstallNoCatalogue(benchmark::State &state) { install(state, "nl"); }

BENCHMARK(BM_InstallGerman)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InstallArabic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InstallChinese)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InstallNoCatalogue)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
