-- the input ends inside end package [body]: the error is at the end of
-- the input
package p is
end package