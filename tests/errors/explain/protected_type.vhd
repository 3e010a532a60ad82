package p is
  type counter is protected
    procedure increment;
  end protected counter;
end;
