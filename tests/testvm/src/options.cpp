#include "options.h"

#include <cctype>
#include <cstring>
#include <limits>

#include "platform.h"
#include "record.h"

namespace testvm {

namespace {

bool startsWith(const std::string& text, const char* prefix, std::string* tail = nullptr) {
  std::size_t length = std::strlen(prefix);
  if (text.compare(0, length, prefix) != 0) return false;
  if (tail) *tail = text.substr(length);
  return true;
}

// HotSpot's memory sizes: decimal digits with an optional k, m, g or t, in either case.
bool parseSize(const std::string& text, std::uint64_t& value) {
  const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
  std::size_t i = 0;
  std::uint64_t number = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    unsigned digit = static_cast<unsigned>(text[i] - '0');
    if (number > (max - digit) / 10) return false;
    number = number * 10 + digit;
  }
  if (i == 0) return false;
  int shift = 0;
  if (i < text.size()) {
    const char* units = "kmgt";
    const char* unit = std::strchr(units, std::tolower(static_cast<unsigned char>(text[i])));
    if (!unit) return false;
    shift = 10 * static_cast<int>(unit - units + 1);
    ++i;
  }
  if (i != text.size() || number > (max >> shift)) return false;
  value = number << shift;
  return true;
}

bool parseNumber(const std::string& text) {
  std::size_t digits = 0, dots = 0;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c)))
      ++digits;
    else if (c == '.')
      ++dots;
    else
      return false;
  }
  return digits > 0 && dots <= 1;
}

enum class FlagType { Bool, Size, Number, Text };

struct Flag {
  const char* name;
  FlagType type;
};

// The -XX flags a launcher is likely to pass; any other is unrecognised.
const Flag knownFlags[] = {
    {"UseG1GC", FlagType::Bool},
    {"UseSerialGC", FlagType::Bool},
    {"UseParallelGC", FlagType::Bool},
    {"UseZGC", FlagType::Bool},
    {"UseCompressedOops", FlagType::Bool},
    {"UseStringDeduplication", FlagType::Bool},
    {"UseLargePages", FlagType::Bool},
    {"UsePerfData", FlagType::Bool},
    {"UseContainerSupport", FlagType::Bool},
    {"TieredCompilation", FlagType::Bool},
    {"AlwaysPreTouch", FlagType::Bool},
    {"HeapDumpOnOutOfMemoryError", FlagType::Bool},
    {"ExitOnOutOfMemoryError", FlagType::Bool},
    {"CrashOnOutOfMemoryError", FlagType::Bool},
    {"UnlockExperimentalVMOptions", FlagType::Bool},
    {"UnlockDiagnosticVMOptions", FlagType::Bool},
    {"ShowCodeDetailsInExceptionMessages", FlagType::Bool},
    {"DisableAttachMechanism", FlagType::Bool},
    {"MaxHeapSize", FlagType::Size},
    {"InitialHeapSize", FlagType::Size},
    {"NewSize", FlagType::Size},
    {"MaxNewSize", FlagType::Size},
    {"MetaspaceSize", FlagType::Size},
    {"MaxMetaspaceSize", FlagType::Size},
    {"MaxDirectMemorySize", FlagType::Size},
    {"ReservedCodeCacheSize", FlagType::Size},
    {"ThreadStackSize", FlagType::Number},
    {"MaxRAMPercentage", FlagType::Number},
    {"InitialRAMPercentage", FlagType::Number},
    {"MinRAMPercentage", FlagType::Number},
    {"ActiveProcessorCount", FlagType::Number},
    {"MaxGCPauseMillis", FlagType::Number},
    {"ParallelGCThreads", FlagType::Number},
    {"ConcGCThreads", FlagType::Number},
    {"TieredStopAtLevel", FlagType::Number},
    {"HeapDumpPath", FlagType::Text},
    {"ErrorFile", FlagType::Text},
    {"OnError", FlagType::Text},
    {"OnOutOfMemoryError", FlagType::Text},
    {"NativeMemoryTracking", FlagType::Text},
};

const Flag* findFlag(const std::string& name) {
  for (const Flag& flag : knownFlags)
    if (name == flag.name) return &flag;
  return nullptr;
}

class Parser {
 public:
  Parser(Options& options, bool ignoreUnrecognized) : options_(options), ignore_(ignoreUnrecognized) {}

  jint parse(const JavaVMOption& option) {
    std::string text = option.optionString ? option.optionString : "";
    std::string tail;
    if (text == "vfprintf") {
      options_.vfprintfHook = reinterpret_cast<VfprintfHook>(option.extraInfo);
    } else if (text == "exit") {
      options_.exitHook = reinterpret_cast<ExitHook>(option.extraInfo);
    } else if (text == "abort") {
      options_.abortHook = reinterpret_cast<AbortHook>(option.extraInfo);
    } else if (startsWith(text, "-D", &tail)) {
      std::size_t equals = tail.find('=');
      std::string name = tail.substr(0, equals);
      if (!name.empty())
        options_.properties[platform::platformToUtf8(name)] =
            equals == std::string::npos ? std::string() : platform::platformToUtf8(tail.substr(equals + 1));
    } else if (startsWith(text, "-Xmx", &tail)) {
      if (!size(text, tail, "Invalid maximum heap size", false, &options_.maxHeap)) return JNI_EINVAL;
      options_.hasMaxHeap = true;
    } else if (startsWith(text, "-Xms", &tail)) {
      if (!size(text, tail, "Invalid initial heap size", true, nullptr)) return JNI_EINVAL;
    } else if (startsWith(text, "-Xmn", &tail)) {
      if (!size(text, tail, "Invalid initial young generation size", true, nullptr)) return JNI_EINVAL;
    } else if (startsWith(text, "-Xss", &tail)) {
      if (!size(text, tail, "Invalid thread stack size", true, &options_.threadStackSize)) return JNI_EINVAL;
    } else if (startsWith(text, "-Xcheck:", &tail)) {
      if (tail != "jni") {
        vmMessage(options_, "Unrecognized check option: %s\n", text.c_str());
        return JNI_EINVAL;
      }
    } else if (startsWith(text, "-XX:", &tail)) {
      return flag(tail);
    } else if (!accepted(text)) {
      if (ignore_) return JNI_OK;
      vmMessage(options_, "Unrecognized option: %s\n", text.c_str());
      return JNI_ERR;
    }
    return JNI_OK;
  }

 private:
  bool size(const std::string& text, const std::string& value, const char* complaint, bool zeroAllowed,
            std::uint64_t* out) {
    std::uint64_t bytes = 0;
    if (!parseSize(value, bytes) || (bytes == 0 && !zeroAllowed)) {
      vmMessage(options_, "%s: %s\n", complaint, text.c_str());
      return false;
    }
    if (out) *out = bytes;
    return true;
  }

  jint flag(const std::string& setting) {
    bool sign = !setting.empty() && (setting[0] == '+' || setting[0] == '-');
    std::size_t equals = setting.find('=');
    std::string name = sign ? setting.substr(1) : setting.substr(0, equals);
    const Flag* known = findFlag(name);
    if (!known) {
      if (ignore_) return JNI_OK;
      vmMessage(options_, "Unrecognized VM option '%s'\n", sign ? name.c_str() : setting.c_str());
      return JNI_EINVAL;
    }
    if (sign != (known->type == FlagType::Bool)) {
      vmMessage(options_, sign ? "Unexpected +/- setting in VM option '%s'\n" : "Improperly specified VM option '%s'\n",
                sign ? name.c_str() : setting.c_str());
      return JNI_EINVAL;
    }
    if (sign) return JNI_OK;
    std::string value = equals == std::string::npos ? std::string() : setting.substr(equals + 1);
    std::uint64_t bytes = 0;
    bool valid = equals != std::string::npos &&
                 (known->type == FlagType::Text || (known->type == FlagType::Size && parseSize(value, bytes)) ||
                  (known->type == FlagType::Number && parseNumber(value)));
    if (!valid) {
      vmMessage(options_, "Improperly specified VM option '%s'\n", setting.c_str());
      return JNI_EINVAL;
    }
    if (name == "MaxHeapSize") {
      options_.maxHeap = bytes;
      options_.hasMaxHeap = true;
    } else if (name == "ThreadStackSize") {
      options_.threadStackSize = std::stoull(value) * 1024;
    }
    return JNI_OK;
  }

  static bool accepted(const std::string& text) {
    static const char* const exact[] = {"-Xint",
                                        "-Xmixed",
                                        "-Xcomp",
                                        "-Xrs",
                                        "-Xbatch",
                                        "-Xnoclassgc",
                                        "-Xdebug",
                                        "-Xlog",
                                        "-Xshare:auto",
                                        "-Xshare:on",
                                        "-Xshare:off",
                                        "-ea",
                                        "-da",
                                        "-esa",
                                        "-dsa",
                                        "-enableassertions",
                                        "-disableassertions",
                                        "-enablesystemassertions",
                                        "-disablesystemassertions"};
    static const char* const prefixes[] = {"-verbose", "-Xlog:", "-Xverify:",          "-Xbootclasspath/a:",
                                           "-ea:",     "-da:",   "-enableassertions:", "-disableassertions:"};
    for (const char* option : exact)
      if (text == option) return true;
    for (const char* prefix : prefixes)
      if (startsWith(text, prefix)) return true;
    return false;
  }

  Options& options_;
  bool ignore_;
};

}  // namespace

void recordArguments(const JavaVMInitArgs& args) {
  char version[32];
  std::snprintf(version, sizeof version, "version 0x%x", static_cast<unsigned>(args.version));
  record(version);
  record(std::string("ignoreUnrecognized ") + (args.ignoreUnrecognized ? "1" : "0"));
  for (jint i = 0; i < args.nOptions; ++i) {
    const JavaVMOption& option = args.options[i];
    record(std::string("option extraInfo=") + (option.extraInfo ? "set " : "null ") +
           (option.optionString ? option.optionString : ""));
  }
}

jint parseOptions(const JavaVMInitArgs& args, Options& options) {
  options.properties["java.class.path"] = "";
  options.properties["java.library.path"] = platform::defaultLibraryPath();
  options.properties["path.separator"] = std::string(1, platform::pathSeparator);
  options.properties["line.separator"] = platform::lineSeparator;
  Parser parser(options, args.ignoreUnrecognized);
  for (jint i = 0; i < args.nOptions; ++i) {
    jint status = parser.parse(args.options[i]);
    if (status != JNI_OK) return status;
  }
  return JNI_OK;
}

void vmMessage(const Options& options, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  if (options.vfprintfHook)
    options.vfprintfHook(stderr, format, arguments);
  else
    std::vfprintf(stderr, format, arguments);
  va_end(arguments);
  std::fflush(stderr);
}

}  // namespace testvm
