-- a protected type closed with end package stays rejected, at the package
package p is
  type t is protected
    procedure inc;
  end package;
end package;
