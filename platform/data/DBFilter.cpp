#include "DBFilter.h"

#include <cstdint>
#include <string>

#include "DBConvert.h"
#include "DBErrors.h"
#include "DigitShapes.h"

namespace zar {

enum class TTruth : std::uint8_t { False, True, Unknown };

struct TFilterExpression::TNode {
  enum class TKind : std::uint8_t { And, Or, Not, Compare, IsNull, IsNotNull };
  TKind Kind = TKind::Compare;
  enum class TOperator : std::uint8_t { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };
  TOperator Operator = TOperator::Equal;
  // Operands of And, Or (a whole chain, so that long chains do not recurse)
  // and Not.
  std::vector<std::size_t> Operands;
  std::size_t Column = 0;
  std::vector<std::byte> Literal;  // a record holding the literal in Column
};

namespace {

using TNode = TFilterExpression::TNode;

// Parentheses and NOTs nested deeper than this are refused rather than
// exhausting the stack.
constexpr int MaxDepth = 200;

struct TToken {
  enum class TKind : std::uint8_t { End, Name, Text, Number, Operator, Open, Close } Kind;
  std::string Value;
  std::size_t Position = 0;
};

bool IsNameStart(unsigned char c) noexcept {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}

bool IsNameChar(unsigned char c) noexcept {
  return IsNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

// Bytes of the digit at text[pos] in any script ASCII, Persian or
// Arabic-Indic; 0 when there is none (or pos is past the end).
std::size_t DigitLength(std::string_view text, std::size_t pos) noexcept {
  std::size_t length = 0;
  return pos < text.size() && DigitAt(text, pos, length) >= 0 ? length : 0;
}

class TFilterParser {
 public:
  TFilterParser(std::string_view text, const TRecordLayout& layout, std::vector<TNode>& nodes)
      : FText(text), FLayout(layout), FNodes(nodes) {
    Advance();
  }

  std::size_t ParseWhole() {
    const std::size_t root = ParseOr(0);
    if (FToken.Kind != TToken::TKind::End) Fail("unexpected " + Describe(FToken));
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& reason, std::size_t position) const {
    DatabaseError("Invalid filter " + Quoted(FText) + ": " + reason + " at position " +
                  std::to_string(position + 1));
  }
  [[noreturn]] void Fail(const std::string& reason) const { Fail(reason, FToken.Position); }

  static std::string Describe(const TToken& token) {
    if (token.Kind == TToken::TKind::End) return "end of text";
    if (token.Kind == TToken::TKind::Text) return "text " + Quoted(token.Value);
    return Quoted(token.Value);
  }

  bool IsKeyword(std::string_view word) const {
    return FToken.Kind == TToken::TKind::Name && SameFieldName(FToken.Value, word);
  }

  void Advance() {
    while (FPos < FText.size() && (FText[FPos] == ' ' || FText[FPos] == '\t' ||
                                   FText[FPos] == '\r' || FText[FPos] == '\n'))
      ++FPos;
    FToken = TToken{TToken::TKind::End, {}, FPos};
    if (FPos >= FText.size()) return;
    const char c = FText[FPos];
    if (c == '(' || c == ')') {
      FToken.Kind = c == '(' ? TToken::TKind::Open : TToken::TKind::Close;
      FToken.Value = std::string(1, c);
      ++FPos;
    } else if (c == '=' || c == '<' || c == '>') {
      FToken.Kind = TToken::TKind::Operator;
      FToken.Value = std::string(1, c);
      ++FPos;
      if (FPos < FText.size() && (FText[FPos] == '=' || (c == '<' && FText[FPos] == '>')) &&
          c != '=')
        FToken.Value += FText[FPos++];
    } else if (c == '\'') {
      ReadText();
    } else if (c == '[') {
      const std::size_t close = FText.find(']', FPos);
      if (close == std::string_view::npos) Fail("missing ']'");
      FToken.Kind = TToken::TKind::Name;
      FToken.Value = std::string(FText.substr(FPos + 1, close - FPos - 1));
      FPos = close + 1;
    } else if (DigitLength(FText, FPos) > 0 || (c == '-' && DigitLength(FText, FPos + 1) > 0)) {
      // A number may be written in Persian or Arabic-Indic digits; its
      // value is kept in ASCII ones.
      const std::size_t start = FPos;
      if (c == '-') ++FPos;
      for (std::size_t n; FPos < FText.size(); FPos += n)
        if ((n = DigitLength(FText, FPos)) == 0 && (n = FText[FPos] == '.' ? 1 : 0) == 0) break;
      FToken.Kind = TToken::TKind::Number;
      FToken.Value = ShapeDigits(FText.substr(start, FPos - start), dgLatin);
    } else if (IsNameStart(static_cast<unsigned char>(c))) {
      const std::size_t start = FPos;
      while (FPos < FText.size() && IsNameChar(static_cast<unsigned char>(FText[FPos]))) ++FPos;
      FToken.Kind = TToken::TKind::Name;
      FToken.Value = std::string(FText.substr(start, FPos - start));
    } else {
      Fail("unexpected character " + Quoted(std::string(1, c)));
    }
  }

  void ReadText() {
    FToken.Kind = TToken::TKind::Text;
    ++FPos;
    for (;;) {
      if (FPos >= FText.size()) Fail("unterminated text", FToken.Position);
      const char c = FText[FPos++];
      if (c != '\'') {
        FToken.Value += c;
      } else if (FPos < FText.size() && FText[FPos] == '\'') {
        FToken.Value += '\'';
        ++FPos;
      } else {
        return;
      }
    }
  }

  std::size_t Add(TNode node) {
    FNodes.push_back(std::move(node));
    return FNodes.size() - 1;
  }

  // A chain of operands joined by one keyword, or the single operand.
  template <typename ParseOperand>
  std::size_t ParseChain(TNode::TKind kind, std::string_view keyword, ParseOperand parseOperand) {
    const std::size_t first = parseOperand();
    if (!IsKeyword(keyword)) return first;
    TNode node;
    node.Kind = kind;
    node.Operands.push_back(first);
    while (IsKeyword(keyword)) {
      Advance();
      node.Operands.push_back(parseOperand());
    }
    return Add(std::move(node));
  }

  std::size_t ParseOr(int depth) {
    return ParseChain(TNode::TKind::Or, "OR", [&] { return ParseAnd(depth); });
  }

  std::size_t ParseAnd(int depth) {
    return ParseChain(TNode::TKind::And, "AND", [&] { return ParseNot(depth); });
  }

  std::size_t ParseNot(int depth) {
    if (depth > MaxDepth) Fail("nesting too deep");
    if (IsKeyword("NOT")) {
      Advance();
      TNode node;
      node.Kind = TNode::TKind::Not;
      node.Operands.push_back(ParseNot(depth + 1));
      return Add(std::move(node));
    }
    if (FToken.Kind == TToken::TKind::Open) {
      Advance();
      const std::size_t inner = ParseOr(depth + 1);
      if (FToken.Kind != TToken::TKind::Close) Fail("expected ')' instead of " + Describe(FToken));
      Advance();
      return inner;
    }
    return ParseCondition();
  }

  std::size_t ParseCondition() {
    if (FToken.Kind != TToken::TKind::Name || IsKeyword("AND") || IsKeyword("OR") ||
        IsKeyword("IS"))
      Fail("expected a field name instead of " + Describe(FToken));
    const int column = FLayout.IndexOf(FToken.Value);
    if (column < 0) Fail("field " + Quoted(FToken.Value) + " not found");
    TNode node;
    node.Kind = TNode::TKind::Compare;
    node.Column = static_cast<std::size_t>(column);
    if (FLayout.Slot(node.Column).Type == ftDataSet)
      Fail("field " + Quoted(FToken.Value) + " cannot be compared");
    Advance();
    if (IsKeyword("IS")) {
      Advance();
      node.Kind = TNode::TKind::IsNull;
      if (IsKeyword("NOT")) {
        node.Kind = TNode::TKind::IsNotNull;
        Advance();
      }
      if (!IsKeyword("NULL")) Fail("expected NULL instead of " + Describe(FToken));
      Advance();
      return Add(std::move(node));
    }
    if (FToken.Kind != TToken::TKind::Operator)
      Fail("expected an operator instead of " + Describe(FToken));
    node.Operator = OperatorOf(FToken.Value);
    Advance();
    if (FToken.Kind != TToken::TKind::Text && FToken.Kind != TToken::TKind::Number)
      Fail("expected a quoted value instead of " + Describe(FToken));
    node.Literal = LiteralRecord(node.Column, FToken);
    Advance();
    return Add(std::move(node));
  }

  static TNode::TOperator OperatorOf(std::string_view text) {
    using Op = TNode::TOperator;
    if (text == "=") return Op::Equal;
    if (text == "<>") return Op::NotEqual;
    if (text == "<") return Op::Less;
    if (text == ">") return Op::Greater;
    if (text == "<=") return Op::LessEqual;
    return Op::GreaterEqual;
  }

  std::vector<std::byte> LiteralRecord(std::size_t column, const TToken& token) {
    std::vector<std::byte> record(FLayout.RecordSize());
    // Quoted numbers and dates may use any digits too; text is compared as written.
    const TFieldSlot& slot = FLayout.Slot(column);
    const std::string value =
        slot.Type == ftString ? token.Value : ShapeDigits(token.Value, dgLatin);
    try {
      StoreKey(FLayout, record.data(), column, VariantToNative(slot, TVariant(value)));
    } catch (const Exception& error) {
      Fail(error.Message(), token.Position);
    }
    return record;
  }

  std::string_view FText;
  const TRecordLayout& FLayout;
  std::vector<TNode>& FNodes;
  std::size_t FPos = 0;
  TToken FToken;
};

TTruth Negate(TTruth value) noexcept {
  if (value == TTruth::Unknown) return value;
  return value == TTruth::True ? TTruth::False : TTruth::True;
}

TTruth Evaluate(const std::vector<TNode>& nodes, std::size_t index, const TRecordLayout& layout,
                const std::byte* row) {
  const TNode& node = nodes[index];
  switch (node.Kind) {
    case TNode::TKind::And:
    case TNode::TKind::Or: {
      // Kleene logic: the deciding value wins, otherwise unknown beats the other.
      const TTruth deciding = node.Kind == TNode::TKind::And ? TTruth::False : TTruth::True;
      TTruth result = Negate(deciding);
      for (const std::size_t operand : node.Operands) {
        const TTruth value = Evaluate(nodes, operand, layout, row);
        if (value == deciding) return value;
        if (value == TTruth::Unknown) result = value;
      }
      return result;
    }
    case TNode::TKind::Not: return Negate(Evaluate(nodes, node.Operands[0], layout, row));
    case TNode::TKind::IsNull:
      return layout.IsNull(row, node.Column) ? TTruth::True : TTruth::False;
    case TNode::TKind::IsNotNull:
      return layout.IsNull(row, node.Column) ? TTruth::False : TTruth::True;
    case TNode::TKind::Compare: break;
  }
  if (layout.IsNull(row, node.Column) || layout.IsNull(node.Literal.data(), node.Column))
    return TTruth::Unknown;
  const int order = layout.Compare(row, node.Literal.data(), node.Column);
  bool result = false;
  switch (node.Operator) {
    case TNode::TOperator::Equal: result = order == 0; break;
    case TNode::TOperator::NotEqual: result = order != 0; break;
    case TNode::TOperator::Less: result = order < 0; break;
    case TNode::TOperator::Greater: result = order > 0; break;
    case TNode::TOperator::LessEqual: result = order <= 0; break;
    case TNode::TOperator::GreaterEqual: result = order >= 0; break;
  }
  return result ? TTruth::True : TTruth::False;
}

}  // namespace

TFilterExpression::TFilterExpression(std::string_view Text, const TRecordLayout& Layout)
    : FLayout(Layout) {
  TFilterParser parser(Text, Layout, FNodes);
  FRoot = parser.ParseWhole();
}

TFilterExpression::~TFilterExpression() = default;

bool TFilterExpression::Matches(const std::byte* Row) const {
  return Evaluate(FNodes, FRoot, FLayout, Row) == TTruth::True;
}

}  // namespace zar
