#include "shell/EnvironmentReport.h"

#include "app/AppContext.h"
#include "app/CrLf.h"
#include "app/NumberFormat.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "records/OutputFormat.h"
#include "records/PayRecord.h"
#include "util/clsStringBuffer.h"

namespace bm {

namespace {

// The leading texts of the report's lines; the indents are ideographic
// spaces (U+3000).
struct ReportLabels {
    const char16_t* title;
    const char16_t* caption;
    const char16_t* version;
    const char16_t* servicePack;
    const char16_t* localTime;
    const char16_t* bootTime;
    const char16_t* buildType;
    const char16_t* users;
    const char16_t* physicalMemory;
    const char16_t* virtualMemory;
    const char16_t* processor;
    const char16_t* revision;
    const char16_t* description;
    const char16_t* cache;
    const char16_t* adapter;
    const char16_t* adapterRam;
    const char16_t* driver;
    const char16_t* videoMode;
    const char16_t* manufacturer;
    const char16_t* model;
};

constexpr ReportLabels JapaneseLabels{
    .title = u"実行環境情報",
    .caption = u"\u3000\u3000オペレーティングシステム : ",
    .version = u"\u3000\u3000\u3000\u3000バージョン : ",
    .servicePack = u"\u3000\u3000\u3000\u3000サービスパック : ",
    .localTime = u"\u3000\u3000経過時間 : ",
    .bootTime = u"\u3000\u3000起動時間 : ",
    .buildType = u"\u3000\u3000",
    .users = u"\u3000\u3000\u3000\u3000使用プロセッサ : ",
    .physicalMemory = u"\u3000\u3000物理メモリ 空き/最大 : ",
    .virtualMemory = u"\u3000\u3000仮想メモリ 空き/最大 : ",
    .processor = u"\u3000\u3000プロセッサ : ",
    .revision = u"\u3000\u3000\u3000\u3000リビジョン : ",
    .description = u"\u3000\u3000\u3000\u3000",
    .cache = u"\u3000\u3000キャッシュメモリ : ",
    .adapter = u"\u3000\u3000グラフィックアダプタ : ",
    .adapterRam = u"\u3000\u3000\u3000\u3000グラフィックメモリ : ",
    .driver = u"\u3000\u3000\u3000\u3000ドライババージョン : ",
    .videoMode = u"\u3000\u3000\u3000\u3000画面設定 : ",
    .manufacturer = u"\u3000\u3000製造メーカー : ",
    .model = u"\u3000\u3000\u3000\u3000モデル名 : ",
};

constexpr ReportLabels EnglishLabels{
    .title = u"Operating Environment Information",
    .caption = u"\u3000\u3000OperatingSystem : ",
    .version = u"\u3000\u3000\u3000Version : ",
    .servicePack = u"\u3000\u3000\u3000ServicePack : ",
    .localTime = u"\u3000\u3000NowLocalTime : ",
    .bootTime = u"\u3000\u3000\u3000LastBootTime : ",
    .buildType = u"\u3000\u3000",
    .users = u"\u3000\u3000\u3000ProcessorUse : ",
    .physicalMemory = u"\u3000\u3000FreePhysicalMemory : ",
    .virtualMemory = u"\u3000\u3000\u3000FreeVirtualMemory : ",
    .processor = u"\u3000\u3000Processor : ",
    .revision = u"\u3000\u3000\u3000Revision : ",
    .description = u"\u3000\u3000\u3000",
    .cache = u"\u3000\u3000CacheMemory : ",
    .adapter = u"\u3000\u3000GraphicAdapter : ",
    .adapterRam = u"\u3000\u3000\u3000AdapterRAM : ",
    .driver = u"\u3000\u3000\u3000\u3000DriverVersion : ",
    .videoMode = u"\u3000\u3000\u3000GraphicMode : ",
    .manufacturer = u"\u3000\u3000Manufacturer : ",
    .model = u"\u3000\u3000\u3000Model : ",
};

QString text(const char16_t* label) {
    return QString::fromUtf16(label);
}

// "yyyymmdd-HHMMSS" from the first 14 characters of a date-time text.
QString dateDashTime(const QString& wmiDateTime) {
    return wmiDateTime.left(8) + QLatin1Char('-') + wmiDateTime.mid(8, 6);
}

// The cache's purpose, or its device id when the purpose says nothing.
QString cacheName(const CacheMemoryInfo& cache) {
    const QString purpose = cache.Purpose.trimmed();
    if (purpose.isEmpty() || purpose.toUpper() == QLatin1String("NONE")) {
        return cache.DeviceId.trimmed();
    }
    return purpose;
}

}  // namespace

QString EnvironmentReportText(const MachineEnvironment& machine, ReportLanguage language) {
    const ReportLabels& label =
        language == ReportLanguage::Japanese ? JapaneseLabels : EnglishLabels;
    clsStringBuffer report;
    clsStringBuffer memory;
    report.AppendLF(text(label.title));

    for (const OperatingSystemInfo& os : machine.operatingSystems) {
        report.Append2LF(text(label.caption), os.Caption);
        report.Append2LF(text(label.version), os.Version);
        report.Append2(text(label.servicePack), os.ServicePackMajorVersion);
        report.Append2LF(QStringLiteral("."), os.ServicePackMinorVersion);
        report.Append2LF(text(label.localTime), dateDashTime(os.LocalDateTime));
        report.Append2LF(text(label.bootTime), dateDashTime(os.LastBootUpTime));
        report.Append2LF(text(label.buildType), os.BuildType);
        report.Append2LF(text(label.users), os.NumberOfUsers);
        memory.Append2(text(label.physicalMemory),
                       FormatThousands(os.FreePhysicalMemory, QStringLiteral("/ ")));
        memory.AppendLF(FormatThousands(os.TotalVisibleMemorySize, QStringLiteral("Byte")));
        memory.Append2(text(label.virtualMemory),
                       FormatThousands(os.FreeVirtualMemory, QStringLiteral("/ ")));
        memory.AppendLF(FormatThousands(os.TotalVirtualMemorySize, QStringLiteral("Byte")));
    }

    for (const ProcessorInfo& cpu : machine.processors) {
        report.Append2LF(text(label.processor), cpu.Name.trimmed());
        report.Append2LF(text(label.revision), cpu.Revision);
        report.Append2LF(text(label.description), cpu.Description.trimmed());
    }

    for (const CacheMemoryInfo& cache : machine.caches) {
        if (fmt::leadingNumber(cache.MaxCacheSize) > 0) {
            report.Append2(text(label.cache), cacheName(cache));
            report.AppendLF(QStringLiteral(" = ") +
                            FormatThousands(cache.MaxCacheSize, QStringLiteral("kByte")));
        }
    }

    report.Append(memory.Text());

    if (!machine.videoControllers.empty()) {
        const VideoControllerInfo& adapter = machine.videoControllers.front();
        report.Append2LF(text(label.adapter), adapter.Name.trimmed());
        report.Append2LF(
            text(label.adapterRam),
            FormatThousands(adapter.AdapterRAM.value_or(QString()), QStringLiteral("Byte")));
        report.Append2LF(text(label.driver), adapter.DriverVersion.trimmed());
        report.Append2LF(text(label.videoMode), adapter.VideoModeDescription.trimmed());
    }

    for (const ComputerSystemInfo& system : machine.computerSystems) {
        report.Append2LF(text(label.manufacturer), system.Manufacturer.trimmed());
        report.Append2LF(text(label.model), system.Model.trimmed());
    }
    return report.Text();
}

std::optional<QString> EnvironmentReportJa(const EnvironmentSource& source) {
    const auto machine = ReadMachineEnvironment(source);
    if (!machine) {
        return std::nullopt;
    }
    return EnvironmentReportText(*machine, ReportLanguage::Japanese);
}

std::optional<QString> EnvironmentReportEn(const EnvironmentSource& source) {
    const auto machine = ReadMachineEnvironment(source);
    if (!machine) {
        return std::nullopt;
    }
    return EnvironmentReportText(*machine, ReportLanguage::English);
}

void OperatingInformation(AppContext& ctx) {
    OperatingInformation(ctx, EnvironmentSource::thisMachine(ctx.platform.now()));
}

void OperatingInformation(AppContext& ctx, const EnvironmentSource& source) {
    const MemoryStatus memory = ReadMemoryStatus(source).value_or(MemoryStatus{0, 100});
    clsStringBuffer entry;
    entry.Append(QStringLiteral("OperatingInformation"));
    entry.Append2(CrLf, EnvironmentReportEn(source).value_or(QString()));
    entry.Append2(QString::fromUtf16(u"\u3000\u3000Available Physical Memory"),
                  FormatColumn(memory.availablePhysicalKB, 11, 1, 0, false));
    entry.Append2(QStringLiteral("kByte  "), FormatColumn(100 - memory.memoryLoad, 5, 1, 0, false));
    entry.AppendLF(QStringLiteral("%"));
    ctx.log.WriteDebugLog(entry.Text());
}

}  // namespace bm
