-- a file declaration's open kind: open ID is reads as is
architecture a of e is
begin
  process
    file f : text open read_mode is "in.txt";
    file g : text is "out.txt";
  begin
    wait;
  end process;
end a;
