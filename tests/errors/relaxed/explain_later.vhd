-- with --explain the later grammar explains: after shared it expects
-- variable, a word only the later grammar has
architecture a of e is
  shared signal s : bit;
begin
end a;
