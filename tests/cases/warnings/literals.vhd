-- Literals whose C text means something else; beside each, a form that
-- needs no warning.
entity lit is
end lit;
architecture a of lit is
begin
  p : process
    variable n : integer;
    variable s : string(1 to 8);
  begin
    n := 010;
    n := 10;
    n := 0;
    n := 0.5;
    s := "say ""hi""";
    s := "say 'hi'";
    s := %50%% off%;
    wait;
  end process;
end a;
