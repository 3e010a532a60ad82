-- bytes 128 to 255: a UTF-8 sequence in a string and in a comment (±),
-- a Latin-1 byte in a character literal and in a string, written byte for
-- byte
architecture a of e is
  constant s : string := "± 5 µs"; -- µ €
  constant c : character := '�';
  constant u : character := 'µ';
  constant l : string := "caf�";
begin
  assert s /= "" report "été";
end a;
