-- the error is at the token after a dropped one, on its own line
entity e is
end entity
  entity;
