#include "arguments.h"

#include "refs.h"
#include "text.h"

namespace testvm {

namespace {

// One letter per parameter; 'L' for every reference, arrays included.
std::string parameterKinds(const std::string& signature) {
  std::string kinds;
  for (std::size_t i = 1; i < signature.size() && signature[i] != ')'; ++i) {
    std::size_t start = i;
    while (signature[i] == '[') ++i;
    if (signature[i] == 'L') i = signature.find(';', i);
    if (i == std::string::npos) break;
    kinds += start != i || signature[i] == ';' ? 'L' : signature[i];
  }
  return kinds;
}

std::string describe(Object* object) {
  if (!object) return "null";
  if (auto* text = dynamic_cast<String*>(object)) return "[" + escape(text->text) + "]";
  if (auto* array = dynamic_cast<ObjectArray*>(object)) {
    std::string items;
    for (Object* item : array->items) items += (items.empty() ? "" : " ") + describe(item);
    return "{" + items + "}";
  }
  return object->cls->name;
}

}  // namespace

std::vector<jvalue> argumentsFrom(const std::string& signature, va_list list) {
  std::vector<jvalue> values;
  for (char kind : parameterKinds(signature)) {
    jvalue value{};
    switch (kind) {
      case 'Z':
        value.z = static_cast<jboolean>(va_arg(list, int));
        break;
      case 'B':
        value.b = static_cast<jbyte>(va_arg(list, int));
        break;
      case 'C':
        value.c = static_cast<jchar>(va_arg(list, int));
        break;
      case 'S':
        value.s = static_cast<jshort>(va_arg(list, int));
        break;
      case 'I':
        value.i = va_arg(list, jint);
        break;
      case 'J':
        value.j = va_arg(list, jlong);
        break;
      case 'F':
        value.f = static_cast<jfloat>(va_arg(list, double));
        break;
      case 'D':
        value.d = va_arg(list, double);
        break;
      default:
        value.l = va_arg(list, jobject);
        break;
    }
    values.push_back(value);
  }
  return values;
}

std::string describeArguments(const std::string& signature, const jvalue* args) {
  std::string text;
  std::string kinds = parameterKinds(signature);
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (i) text += ' ';
    switch (kinds[i]) {
      case 'L':
        text += describe(resolve(args[i].l));
        break;
      case 'J':
        text += std::to_string(args[i].j);
        break;
      case 'F':
        text += std::to_string(args[i].f);
        break;
      case 'D':
        text += std::to_string(args[i].d);
        break;
      case 'Z':
        text += args[i].z ? "true" : "false";
        break;
      case 'C':
        text += std::to_string(args[i].c);
        break;
      case 'B':
        text += std::to_string(args[i].b);
        break;
      case 'S':
        text += std::to_string(args[i].s);
        break;
      default:
        text += std::to_string(args[i].i);
        break;
    }
  }
  return text;
}

}  // namespace testvm
