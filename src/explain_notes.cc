// The notes of the explanation: see explain_notes.h.
#include "explain_notes.h"

#include "parser_later.hh"
#include "relaxed.h"
#include "token_spelling.h"

namespace explanation {

namespace {

// Said of the constructs that the relaxed reading reads.
const std::string kRelaxed = "; --relaxed reads it";

bool Is_Logical(int code) {
    return code == t_AND || code == t_OR || code == t_NAND || code == t_NOR || code == t_XOR;
}

// The later word that `word` spells (a token code of the later grammar), or 0.
int Later_Word(const std::string& word) { return Later_Word_Code(word.data(), static_cast<int>(word.size())); }

}  // namespace

std::string Hint(const Context& c) {
    const int code = c.code;
    const int later = code == t_Identifier ? Later_Word(c.text) : 0;
    if ((code == t_ENTITY || code == t_ARCHITECTURE || code == t_PACKAGE || code == t_CONFIGURATION ||
         code == t_FUNCTION || code == t_PROCEDURE) && c.Top(0, t_END))
        return "'end " + Reserved_Word(code) + "' is VHDL-93; VHDL-87 closes it with 'end;' or 'end NAME;'" + kRelaxed;
    if (code == t_IS) {
        int head = c.Near(6, {t_PROCESS, t_COMPONENT, t_BLOCK});
        if (head) return "'is' after '" + Reserved_Word(head) + "' is VHDL-93; leave it out in VHDL-87" + kRelaxed;
    }
    if (code == t_REPORT)
        return "a report statement is VHDL-93; in VHDL-87 write 'assert false report \"...\";'" + kRelaxed;
    if (later == t_PURE || later == t_IMPURE)
        return "'pure' and 'impure' are VHDL-93; leave the word out in VHDL-87 (a function is pure, "
               "a procedure may do the rest)" + kRelaxed;
    if (later == t_POSTPONED || Later_Word(c.previous_word) == t_POSTPONED)
        return "postponed processes and statements are VHDL-93; VHDL-87 has none: leave the word out" + kRelaxed;
    if (code == t_ENTITY && c.Top(0, ':'))
        return "entity instantiation is VHDL-93; in VHDL-87 declare a component with the entity's "
               "ports, instantiate it ('LABEL: NAME port map (...);') and bind it in a configuration" + kRelaxed;
    if (code == t_OPEN && c.Near(6, {t_FILE}))
        return "'open' in a file declaration is VHDL-93; in VHDL-87 write 'file F : T is in \"NAME\";', or 'is out' to write" + kRelaxed;
    if (code == t_Identifier && c.word_before == "end") {
        const std::string& w = c.previous_word;
        if (w == "if" || w == "case" || w == "record" || w == "units" || w == "component")
            return "a name after 'end " + w + "' is VHDL-93; in VHDL-87 write 'end " + w + ";'" + kRelaxed;
    }
    if (later == t_XNOR) return "'xnor' is VHDL-93; in VHDL-87 write 'not (A xor B)'" + kRelaxed;
    if (later == t_SLL || later == t_SRL || later == t_SLA || later == t_SRA || later == t_ROL || later == t_ROR)
        return "the shift operator '" + c.text + "' is VHDL-93; in VHDL-87 shift with a slice and a "
               "concatenation, as 'A(6 downto 0) & '0'' for 'A sll 1'" + kRelaxed;
    if (later == t_SHARED) return "shared variables are VHDL-93; in VHDL-87 use a signal" + kRelaxed;
    if (c.Near(2, {t_GENERATE}) &&
        (code == t_SIGNAL || code == t_CONSTANT || code == t_TYPE || code == t_SUBTYPE ||
         code == t_COMPONENT || code == t_FUNCTION || code == t_PROCEDURE || code == t_ATTRIBUTE ||
         code == t_ALIAS || code == t_FILE || code == t_USE || code == t_BEGIN))
        return code == t_BEGIN
                   ? "'begin' after 'generate' is VHDL-93; leave it out in VHDL-87, and put any "
                     "declarations in a block statement inside: 'B: block DECLARATIONS begin ... end block;'" + kRelaxed
                   : "a declarative part in a generate statement is VHDL-93; in VHDL-87 put a block "
                     "statement inside it: 'B: block DECLARATIONS begin ... end block;'" + kRelaxed;
    if (code == t_ALL && c.Top(0, '(') && c.Top(1, t_PROCESS))
        return "'process (all)' is VHDL-2008; in VHDL-87 list every signal the process reads" + kRelaxed;
    if (later == t_PROTECTED)
        return "protected types are VHDL-2000; VHDL-87 has none: keep the state in signals, or in "
               "variables passed to procedures" + kRelaxed;
    if (Is_Logical(code)) {
        bool chain = false;
        for (const Expected& e : c.expected) chain = chain || Is_Logical(e.code);
        if (chain || c.Near(4, {t_NAND, t_NOR}))
            return "VHDL requires parentheses where different logical operators meet, and around "
                   "'nand' and 'nor' repeated: write '(A and B) or C'";
    }
    return "";
}

}  // namespace explanation
