#include "DataPacket.h"

#include <algorithm>

namespace zar {

TDataPacket::TDataPacket(TFieldDefs Defs)
    : FieldDefs((CheckFieldDefs(Defs), std::move(Defs))),
      Rows(std::make_shared<TRecordLayout>(FieldDefs)) {}

void TDataPacket::SetParam(const std::string& Name, std::string Value) {
  for (auto& [name, value] : Params)
    if (name == Name) {
      value = std::move(Value);
      return;
    }
  Params.emplace_back(Name, std::move(Value));
}

void TDataPacket::RemoveParam(std::string_view Name) {
  std::erase_if(Params, [&](const auto& param) { return param.first == Name; });
}

}  // namespace zar
