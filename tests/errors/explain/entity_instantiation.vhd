architecture a of e is
begin
  u1: entity work.inverter port map (a => x, y => y);
end;
